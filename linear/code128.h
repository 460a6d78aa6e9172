// Code 128 symbol characters and the encoders of Code 128 and its GS1-128 forms.
// A symbol uses one code set for all of its data: no shifts, no set changes.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoded_symbol.h"
#include "core/table_checks.h"
#include "core/settings.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// ISO/IEC 15417 Table 1: element widths in modules of bar, space, bar, space,
// bar, space by symbol value; 106 is the stop, seven elements with the
// termination bar.
// clang-format off
inline constexpr std::array<std::string_view, 107> Code128Patterns = {
    "212222", "222122", "222221", "121223", "121322",  // 0-4
    "131222", "122213", "122312", "132212", "221213",  // 5-9
    "221312", "231212", "112232", "122132", "122231",  // 10-14
    "113222", "123122", "123221", "223211", "221132",  // 15-19
    "221231", "213212", "223112", "312131", "311222",  // 20-24
    "321122", "321221", "312212", "322112", "322211",  // 25-29
    "212123", "212321", "232121", "111323", "131123",  // 30-34
    "131321", "112313", "132113", "132311", "211313",  // 35-39
    "231113", "231311", "112133", "112331", "132131",  // 40-44
    "113123", "113321", "133121", "313121", "211331",  // 45-49
    "231131", "213113", "213311", "213131", "311123",  // 50-54
    "311321", "331121", "312113", "312311", "332111",  // 55-59
    "314111", "221411", "431111", "111224", "111422",  // 60-64
    "121124", "121421", "141122", "141221", "112214",  // 65-69
    "112412", "122114", "122411", "142112", "142211",  // 70-74
    "241211", "221114", "413111", "241112", "134111",  // 75-79
    "111242", "121142", "121241", "114212", "124112",  // 80-84
    "124211", "411212", "421112", "421211", "212141",  // 85-89
    "214121", "412121", "111143", "111341", "131141",  // 90-94
    "114113", "114311", "411113", "411311", "113141",  // 95-99
    "114131", "311141", "411131", "211412", "211214",  // 100-104
    "211232", "2331112",                               // 105, stop
};
// clang-format on
static_assert(NoEntryEmpty(Code128Patterns), "a pattern is missing");

inline constexpr int kCode128Fnc1 = 102;
inline constexpr int kCode128StartA = 103;
inline constexpr int kCode128StartB = 104;
inline constexpr int kCode128StartC = 105;
inline constexpr int kCode128Stop = 106;

enum class CodeSet { A, B, C };

// The symbol characters of one symbol, start to stop, and the set they use.
struct Code128Symbol {
  CodeSet codeSet = CodeSet::B;
  std::vector<int> values;  // start, FNC1 where present, data, check, stop
};

// The modulo-103 check of a start value and the characters after it:
// start + sum of value × position, positions counted from 1.
int Code128CheckValue(std::span<const int> fromStart);

// Encodes data in the given set, with FNC1 after the start when fnc1 is set.
// Set A and B take one character each (characters a set cannot take are
// skipped), set C one pair of digits each.
Code128Symbol EncodeInCodeSet(CodeSet codeSet, std::u32string_view data, bool fnc1);

// The single set for the whole data: characters of code 128 and above are
// ignored; digits alone of even count go to set C; digits and capitals to set
// A; anything else to set B, which drops characters outside 32..127.
CodeSet ChooseCodeSet(std::u32string_view data);

// Code-128 (fnc1 false) and EAN-128 (fnc1 true) symbols of free text.
Code128Symbol EncodeCode128(std::u32string_view data, bool fnc1);

// EAN-14 and EAN-18: the digits padded on the left with "0" or cut to
// digitCount, behind the application identifier, in set C with FNC1.
std::u32string FixedLengthGs1Digits(std::u32string_view digits, std::size_t digitCount);
Code128Symbol EncodeFixedLengthGs1(std::u32string_view applicationIdentifier, std::u32string_view digits);

// The element widths of a symbol, start to stop; even indices are bars.
ElementWidths Code128Elements(const Code128Symbol& symbol);

// How the text under a Code 128 symbol is set: one full-size character per
// symbol character, or small and close from the left edge (set C, whose
// characters hold two digits each, and the GS1 forms).
// GS1-128 in GS1 mode prints one line centred under the symbol, as GS1 does.
enum Code128TextLayout : int { kCode128FullSizeText = 0, kCode128SmallText = 1, kCode128CentredText = 2 };

// The symbol between quiet zones of 10 units; the elements start to stop, the
// text layout as the variant. The GS1 forms' text is their printed number.
// Code-128 and EAN-128 take the shortest code sets under -code128 shortest.
Result<EncodedSymbol> Code128Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> Ean128Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> Ean14Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> Ean18Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

// The symbol of a Code128Symbol's values, its text and layout, for the forms
// that pick their symbol characters elsewhere.
EncodedSymbol Code128EncodedSymbol(const Code128Symbol& symbol, std::u32string text, int layout);

// Code-128 and EAN-128 (either form): the display text, or else the symbol's text.
void RenderCode128(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);
// The application identifier in parentheses, then the display text or the digits.
void RenderEan14(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);
void RenderEan18(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
