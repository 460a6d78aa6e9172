#include "linear/msi.h"

#include "core/string_ops.h"
#include "core/symbology.h"

namespace kbc {
namespace {

// The digit sum of twice a decimal number of any length.
int DigitSumOfDouble(std::string_view number) {
  int sum = 0;
  int carry = 0;
  for (auto it = number.rbegin(); it != number.rend(); ++it) {
    const int doubled = 2 * (*it - '0') + carry;
    sum += doubled % 10;
    carry = doubled / 10;
  }
  return sum + carry;
}

}  // namespace

int MsiCheckDigit(std::u32string_view digits) {
  std::string oddFromRight;
  int sum = 0;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const bool oddFromTheRight = (digits.size() - i) % 2 == 1;
    if (oddFromTheRight) {
      oddFromRight.push_back(char(digits[i]));
    } else {
      sum += int(digits[i] - U'0');
    }
  }
  sum += DigitSumOfDouble(oddFromRight);
  return (10 - sum % 10) % 10;
}

std::string MsiBits(std::u32string_view data) {
  std::u32string digits(data);
  std::erase_if(digits, [](char32_t c) { return !IsAsciiDigit(c); });
  std::string bits(kMsiStart);
  for (const char32_t d : digits) bits += MsiBitPatterns[std::size_t(d - U'0')];
  bits += MsiBitPatterns[std::size_t(MsiCheckDigit(digits))];
  bits += kMsiStop;
  return bits;
}

ElementWidths MsiElements(std::string_view bits) {
  ElementWidths elements;
  for (const char bit : bits) AppendPattern(elements, bit == '1' ? "21" : "12");
  return elements;
}

Result<EncodedSymbol> MsiEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = data;
  std::erase_if(symbol.encoded, [](char32_t c) { return !IsAsciiDigit(c); });
  symbol.text = data;
  symbol.elements = MsiElements(MsiBits(symbol.encoded));
  symbol.width = ModuleCount(symbol.elements) - symbol.elements.back();
  symbol.textRoom = 13;  // the text line below the bars
  return symbol;
}

// No quiet zone.
void RenderMsi(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const TextRoomLayout layout = LayoutWithTextRoom(kMsi, settings, symbol.textRoom);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), layout.height);
  FillElements(frame, 0, symbol.elements, layout.barBottom, layout.height);
  if (settings.showText == 1) {
    const std::u32string_view text = settings.displayText.empty() ? symbol.text : settings.displayText;
    BeginTextGroup(frame, settings.fontSize);
    DrawSpacedCharacters(frame, text, 5, 12, 2);
  }
}

}  // namespace kbc
