#include "linear/pzn.h"

#include "core/string_ops.h"
#include "core/symbology.h"
#include "linear/code39.h"

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

// Numbers without a check digit never get here: the data check refuses them.
void RenderPzn(DrawingTarget* target, const BarcodeSettings& settings) {
  const std::optional<std::u32string> digits = PznDigits(settings.data);
  if (!digits) return;
  const std::u32string text = settings.displayText.empty() ? U"PZN - " + *digits : settings.displayText;
  DrawNineElementSymbol(target, settings, kPzn, Code39Elements(PznSymbolText(*digits)), text);
}

std::u32string PznDigitsOrEmpty(std::u32string_view data) { return PznDigits(data).value_or(std::u32string()); }

}  // namespace kbc
