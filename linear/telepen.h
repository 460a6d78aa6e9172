// Telepen: full ASCII, two element widths, 16 units a character, with numeric
// compaction of even digit strings and a modulo-127 check character.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/table_checks.h"
#include "core/settings.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// The Telepen character set by ASCII code: each character's bits (seven data
// bits and even parity, least significant first) as bar-space pairs: a 1 bit
// narrow-narrow, "00" wide-narrow, "010" wide-wide, and a longer 0 1...1 0
// block narrow-wide, a narrow-narrow pair per inner 1, narrow-wide. "1" is
// a 1-unit element and "3" a 3-unit one, bar first.
// clang-format off
inline constexpr std::array<std::string_view, 128> TelepenPatterns = {
    "31313131",        "1131313111",      "33313111",        "1111313131",      "3111313111",     // 0-4
    "11333131",        "13133131",        "111111313111",    "31333111",        "1131113131",     // 5-9
    "33113131",        "1111333111",      "3111113131",      "1113133111",      "1311133111",     // 10-14
    "111111113131",    "3131113111",      "11313331",        "333331",          "111131113111",   // 15-19
    "31113331",        "1133113111",      "1313113111",      "1111113331",      "31131331",       // 20-24
    "113111113111",    "3311113111",      "1111131331",      "311111113111",    "1113111331",     // 25-29
    "1311111331",      "11111111113111",  "31313311",        "1131311131",      "33311131",       // 30-34
    "1111313311",      "3111311131",      "11333311",        "13133311",        "111111311131",   // 35-39
    "31331131",        "1131113311",      "33113311",        "1111331131",      "3111113311",     // 40-44
    "1113131131",      "1311131131",      "111111113311",    "3131111131",      "1131131311",     // 45-49
    "33131311",        "111131111131",    "3111131311",      "1133111131",      "1313111131",     // 50-54
    "111111131311",    "3113111311",      "113111111131",    "3311111131",      "111113111311",   // 55-59
    "311111111131",    "111311111311",    "131111111311",    "11111111111131",  "3131311111",     // 60-64
    "11313133",        "333133",          "111131311111",    "31113133",        "1133311111",     // 65-69
    "1313311111",      "1111113133",      "313333",          "113111311111",    "3311311111",     // 70-74
    "11113333",        "311111311111",    "11131333",        "13111333",        "11111111311111", // 75-79
    "31311133",        "1131331111",      "33331111",        "1111311133",      "3111331111",     // 80-84
    "11331133",        "13131133",        "111111331111",    "3113131111",      "1131111133",     // 85-89
    "33111133",        "111113131111",    "3111111133",      "111311131111",    "131111131111",   // 90-94
    "111111111133",    "31311313",        "113131111111",    "3331111111",      "1111311313",     // 95-99
    "311131111111",    "11331313",        "13131313",        "11111131111111",  "3133111111",     // 100-104
    "1131111313",      "33111313",        "111133111111",    "3111111313",      "111313111111",   // 105-109
    "131113111111",    "111111111313",    "313111111111",    "1131131113",      "33131113",       // 110-114
    "11113111111111",  "3111131113",      "113311111111",    "131311111111",    "111111131113",   // 115-119
    "3113111113",      "11311111111111",  "331111111111",    "111113111113",    "31111111111111", // 120-124
    "111311111113",    "131111111113",    "1111111111111111",                                     // 125-127
};
// clang-format on
static_assert(NoEntryEmpty(TelepenPatterns), "a pattern is missing");

inline constexpr char32_t kTelepenStart = U'_';
inline constexpr char32_t kTelepenStop = U'z';

// The characters a symbol encodes: the last 30 of the data without those of
// code 128 and above; an even count of digits packs each pair into one
// character (code pair value + 27).
std::u32string TelepenCharacters(std::u32string_view data);

// 127 less the sum of the codes modulo 127: 127 when the sum divides by 127.
int TelepenCheckCharacter(std::u32string_view characters);

// Start, the characters, the check character and the stop.
ElementWidths TelepenElements(std::u32string_view characters);

// The symbol carries its characters (digit pairs packed); its text is the data as given.
Result<EncodedSymbol> TelepenEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderTelepen(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
