// Identcode: an 11-digit parcel number with a check digit of weights 4 and 9,
// drawn in interleaved two-of-five bars.
#pragma once

#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"

namespace kbc {

// Over exactly eleven digits: 4 × (digits at even indices) + 9 × (digits at
// odd indices), and the check digit takes the sum to a multiple of 10.
int IdentcodeCheckDigit(std::u32string_view elevenDigits);

// The data padded on the left with "0" or cut to 11, and its check digit.
std::u32string IdentcodeDigits(std::u32string_view data);

// The twelve digits as printed: 12.345 678.901 6.
std::u32string GroupedIdentcode(std::u32string_view twelveDigits);

// Interleaved 2 of 5 elements of the twelve digits, which it carries; its
// text is the grouped number.
Result<EncodedSymbol> IdentcodeEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderIdentcode(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
