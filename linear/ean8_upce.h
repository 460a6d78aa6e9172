// Digits of EAN-8 (also EAN-Velocity) and UPC-E symbols.
#pragma once

#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"

namespace kbc {

// The 7 data digits (padded on the left with "0" or cut) and their check digit.
std::u32string Ean8Digits(std::u32string_view data);

struct UpcEDigits {
  std::u32string digits;     // number system N and the six digits d1..d6
  std::u32string expansion;  // the 11-digit UPC-A form
  char32_t check = U'0';     // check digit of the expansion
  std::string_view sets;     // sets of d1..d6: they carry N and the check digit
};

// The 7 digits (padded on the left with "0" or cut, so a given check digit is
// dropped), their zero-suppressed UPC-A form, its check digit and the sets.
UpcEDigits PrepareUpcE(std::u32string_view data);


// The UPC-A form of N d1..d6 by the last digit d6.
std::u32string ExpandUpcE(std::u32string_view sevenDigits);

// EAN-8 and EAN-Velocity (whose shorter data always leads with a 0): the eight
// digits as text, the five parts' modules (guards first and last and between
// the halves). EAN-8 carries the digits, EAN-Velocity the data as given.
Result<EncodedSymbol> Ean8Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EanVelocityEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderEan8(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

// The seven digits and the check digit as text and as carried; the parts are
// the start guard, the six digits' modules and the end guard. Number systems
// other than 0 and 1 are refused.
Result<EncodedSymbol> UpcEEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderUpcE(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
