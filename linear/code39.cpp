#include "linear/code39.h"

#include "core/string_ops.h"
#include "core/symbology.h"

namespace kbc {
namespace {

constexpr std::size_t kElementsPerCharacter = 9;
constexpr std::uint8_t kNarrow = 1;
constexpr std::uint8_t kWide = 3;
constexpr std::uint8_t kCharacterGap = 1;

constexpr double kBarBottom = 16;
constexpr int kTextX = 5;
constexpr int kTextPitch = 7;
constexpr int kTextBaseline = 7;

constexpr std::string_view kBase32Digits = "0123456789BCDFGHJKLMNPQRSTUVWXYZ";
static_assert(kBase32Digits.size() == 32);

std::string_view PatternOf(char32_t c) { return c < Code39AsciiPatterns.size() ? Code39AsciiPatterns[c] : ""; }

std::u32string DigitsOnly(std::u32string_view data) {
  std::u32string digits(data);
  std::erase_if(digits, [](char32_t c) { return !IsAsciiDigit(c); });
  return digits;
}

}  // namespace

std::u32string Code39SymbolText(std::u32string_view data) {
  std::u32string text(data);
  if (text.empty() || text.front() != U'*') text.insert(0, 1, U'*');
  if (text.back() != U'*') text.push_back(U'*');
  std::erase_if(text, [](char32_t c) { return c >= 128; });
  return text;
}

ElementWidths Code39Elements(std::u32string_view symbolText) {
  ElementWidths elements;
  for (const char32_t c : symbolText) {
    const std::string_view pattern = PatternOf(c);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      // Each nine-element character starts with a bar: a pair's second
      // character follows a gap, never a space of its own first character.
      if (i % kElementsPerCharacter == 0 && !elements.empty()) elements.push_back(kCharacterGap);
      elements.push_back(pattern[i] == '1' ? kWide : kNarrow);
    }
  }
  return elements;
}

char32_t Code32CheckDigit(std::u32string_view eightDigits) {
  int sum = 0;
  for (std::size_t i = 0; i < eightDigits.size(); ++i) {
    const int digit = int(eightDigits[eightDigits.size() - 1 - i] - U'0');
    const bool doubled = i % 2 == 0;  // position i + 1 from the right is odd
    sum += doubled ? (2 * digit >= 10 ? 2 * digit - 9 : 2 * digit) : digit;
  }
  return char32_t(U'0' + sum % 10);
}

std::u32string Code32ToBase32(std::u32string_view nineDigits) {
  std::uint32_t value = 0;
  for (const char32_t digit : nineDigits) value = value * 10 + std::uint32_t(digit - U'0');
  std::u32string base32(6, U'0');
  for (auto it = base32.rbegin(); it != base32.rend(); ++it) {
    *it = char32_t(kBase32Digits[value % 32]);
    value /= 32;
  }
  return base32;
}

std::u32string Code32Number(std::u32string_view data) {
  std::u32string number = DigitsOnly(data);
  PadLeft(number, 8, U'0');
  number.push_back(Code32CheckDigit(number));
  return number;
}

std::u32string Code32SymbolText(std::u32string_view nineDigits) { return U"*" + Code32ToBase32(nineDigits) + U"*"; }

Result<EncodedSymbol> Code39Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = Code39SymbolText(data);
  symbol.text = symbol.encoded;
  symbol.elements = Code39Elements(symbol.encoded);
  symbol.width = ModuleCount(symbol.elements);
  return symbol;
}

// The text shown is the number with the "A" Italian pharmacy codes are read with.
Result<EncodedSymbol> Code32Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = Code32Number(data);
  symbol.text = U"A" + symbol.encoded;
  symbol.elements = Code39Elements(Code32SymbolText(symbol.encoded));
  symbol.width = ModuleCount(symbol.elements);
  return symbol;
}

void RenderNineElementSymbol(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const std::u32string_view text = settings.displayText.empty() ? symbol.text : settings.displayText;
  const double height = ImageHeight(settings.symbology, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  FillElements(frame, 0, symbol.elements, kBarBottom, height);
  if (settings.showText == 1) {
    BeginTextGroup(frame, settings.fontSize);
    for (std::size_t i = 0; i < text.size(); ++i) {
      DrawTextItem(frame, kTextX + kTextPitch * int(i), kTextBaseline, text.substr(i, 1));
    }
  }
}

}  // namespace kbc
