// Code 93 with its full-ASCII extension and the two check characters C and K.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/table_checks.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// AIM USS-93 character table and full-ASCII table: element widths of bar,
// space, bar, space, bar, space, nine modules per character. Entries 0-127 by
// character code (one character, or a shift and a letter); then the shifts
// ($) (%) (/) (+), the start/stop character, and the stop with its termination bar.
// clang-format off
inline constexpr std::array<std::string_view, 134> Code93AsciiPatterns = {
    "312111221121", "121221211113", "121221211212", "121221211311", "121221221112",  // 0-4
    "121221221211", "121221231111", "121221112113", "121221112212", "121221112311",  // 5-9
    "121221122112", "121221132111", "121221111123", "121221111222", "121221111321",  // 10-14
    "121221121122", "121221131121", "121221212112", "121221212211", "121221211122",  // 15-19
    "121221211221", "121221221121", "121221222111", "121221112122", "121221112221",  // 20-24
    "121221122121", "121221123111", "312111211113", "312111211212", "312111211311",  // 25-29
    "312111221112", "312111221211", "311211", "311121211113", "311121211212",  // 30-34
    "311121211311", "321111", "211131", "311121231111", "311121112113",  // 35-39
    "311121112212", "311121112311", "311121122112", "113121", "311121111123",  // 40-44
    "121131", "311112", "112131", "131112", "111213",  // 45-49
    "111312", "111411", "121113", "121212", "121311",  // 50-54
    "111114", "131211", "141111", "311121123111", "312111231111",  // 55-59
    "312111112113", "312111112212", "312111112311", "312111122112", "312111222111",  // 60-64
    "211113", "211212", "211311", "221112", "221211",  // 65-69
    "231111", "112113", "112212", "112311", "122112",  // 70-74
    "132111", "111123", "111222", "111321", "121122",  // 75-79
    "131121", "212112", "212211", "211122", "211221",  // 80-84
    "221121", "222111", "112122", "112221", "122121",  // 85-89
    "123111", "312111132111", "312111111123", "312111111222", "312111111321",  // 90-94
    "312111121122", "312111112122", "122211211113", "122211211212", "122211211311",  // 95-99
    "122211221112", "122211221211", "122211231111", "122211112113", "122211112212",  // 100-104
    "122211112311", "122211122112", "122211132111", "122211111123", "122211111222",  // 105-109
    "122211111321", "122211121122", "122211131121", "122211212112", "122211212211",  // 110-114
    "122211211122", "122211211221", "122211221121", "122211222111", "122211112122",  // 115-119
    "122211112221", "122211122121", "122211123111", "312111131121", "312111212112",  // 120-124
    "312111212211", "312111211122", "312111211221",  // 125-127
    "121221", "312111", "311121", "122211",  // 128-131: ($) (%) (/) (+)
    "111141", "1111411",                     // 132: start/stop, 133: stop and termination bar
};
// clang-format on
static_assert(NoEntryEmpty(Code93AsciiPatterns), "a pattern is missing");

// The shift characters as internal characters; their codes are also their table indices.
inline constexpr char32_t kCode93ShiftDollar = 128;
inline constexpr char32_t kCode93ShiftPercent = 129;
inline constexpr char32_t kCode93ShiftSlash = 130;
inline constexpr char32_t kCode93ShiftPlus = 131;
inline constexpr std::size_t kCode93Start = 132;
inline constexpr std::size_t kCode93Stop = 133;

// The one or two internal characters that encode a character of code 0..127
// (digits, capitals, "-", ".", space, "$", "/", "+" and "%" stand for
// themselves); empty for any other code.
std::u32string Code93Expand(char32_t c);

// Value 0..46 of an internal character ("0"-"9" 0-9, "A"-"Z" 10-35, "-" 36,
// "." 37, space 38, "$" 39, "/" 40, "+" 41, "%" 42, the shifts 43-46); -1 for others.
int Code93Value(char32_t internal);

// The internal character of a value 0..46.
char32_t Code93Char(int value);

// Check characters over the expanded data: C with weights 1..20 from the right,
// then K over the data and C with weights 1..15; both modulo 47.
struct Code93Checks {
  char32_t c = U'0';
  char32_t k = U'0';
};
Code93Checks Code93CheckCharacters(std::u32string_view expanded);

// Start, the data (characters of code 128 and above are dropped), C, K and the
// stop with its termination bar, as element widths.
ElementWidths Code93Elements(std::u32string_view data);

// Carries and shows the data as given, with any characters the symbol drops;
// drawn as Code 39 is.
Result<EncodedSymbol> Code93Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

}  // namespace kbc
