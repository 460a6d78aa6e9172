// PZN, the German pharmacy number: seven digits and a modulo-11 check digit,
// drawn as Code 39 behind a "-".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"

namespace kbc {

inline constexpr int kPznNoCheckDigit = 10;

// The digits of the data padded on the left with "0" or cut to 7.
std::u32string PznNumber(std::u32string_view data);

// Sum of each digit times its position (1..7 from the left) modulo 11; 10 means
// the number has no valid check digit.
int PznCheckDigit(std::u32string_view sevenDigits);

// The 8 digits with the check digit, or nothing when the number has none.
std::optional<std::u32string> PznDigits(std::u32string_view data);


// The Code 39 text of the 8 digits: "*-", the digits, "*".
std::u32string PznSymbolText(std::u32string_view eightDigits);

// Drawn as Code 39; carries the eight digits and shows them after "PZN - ".
// A number without a check digit is refused.
Result<EncodedSymbol> PznEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

}  // namespace kbc
