#include "linear/pzn.h"

#include "core/string_ops.h"
#include "linear/code39.h"
#include "text/utf8.h"

namespace kbc {

std::u32string PznNumber(std::u32string_view data) {
  std::u32string number(data);
  std::erase_if(number, [](char32_t c) { return !IsAsciiDigit(c); });
  PadLeft(number, 7, U'0');
  return number;
}

int PznCheckDigit(std::u32string_view sevenDigits) {
  int sum = 0;
  for (std::size_t i = 0; i < sevenDigits.size(); ++i) sum += int(sevenDigits[i] - U'0') * int(i + 1);
  return sum % 11;
}

std::optional<std::u32string> PznDigits(std::u32string_view data) {
  std::u32string digits = PznNumber(data);
  const int check = PznCheckDigit(digits);
  if (check == kPznNoCheckDigit) return std::nullopt;
  digits.push_back(char32_t(U'0' + check));
  return digits;
}

std::u32string PznSymbolText(std::u32string_view eightDigits) { return U"*-" + std::u32string(eightDigits) + U"*"; }

Result<EncodedSymbol> PznEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  std::optional<std::u32string> digits = PznDigits(data);
  if (!digits) {
    return Refusal("PZN " + ToUtf8(PznNumber(data)) +
                                  " has no valid check digit (its weighted sum leaves 10 modulo 11); check the number");
  }
  EncodedSymbol symbol;
  symbol.text = U"PZN - " + *digits;
  symbol.elements = Code39Elements(PznSymbolText(*digits));
  symbol.width = ModuleCount(symbol.elements);
  symbol.encoded = std::move(*digits);
  return symbol;
}

}  // namespace kbc
