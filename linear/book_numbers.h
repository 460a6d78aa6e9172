// ISSN, ISBN and ISMN numbers as EAN-13 digits (prefixes 977, 978 and 979),
// and the human-readable line printed above their bars.
#pragma once

#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"

namespace kbc {

// Each takes the data as shaped (digits and letters) and returns the 13 digits
// of the EAN-13 symbol, the last one the computed check digit. An old check
// character, X included, is never encoded: it is always recomputed.
std::u32string IsbnDigits(std::u32string_view data);
std::u32string IssnDigits(std::u32string_view data);
std::u32string IsmnDigits(std::u32string_view data);

// The source as it stands when it already begins with the word (compared
// case-sensitively), otherwise the word, a space and the source.
std::u32string BookUpperLine(std::u32string_view word, std::u32string_view source);

// Fraction of the font size for the upper line: long lines are set smaller,
// unless an add-on widens the image.
double BookUpperLineSizeFactor(std::size_t lineCharacters, bool hasAddOn);

// EAN-13 symbols with the number's line above the bars, in an image made taller for it.
// ISSN and ISBN carry their 13 digits; ISMN, whose digits are never compared
// with the data, carries the data as given.
Result<EncodedSymbol> IssnEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> IsbnEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> IsmnEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

// The three draw alike; the word of the upper line is the symbology's name.
void RenderBookNumber(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
