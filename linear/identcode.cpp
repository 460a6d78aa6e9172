#include "linear/identcode.h"

#include "core/string_ops.h"
#include "core/symbology.h"
#include "linear/two_of_five.h"
#include "render/linear_frame.h"

namespace kbc {

int IdentcodeCheckDigit(std::u32string_view elevenDigits) {
  int sum = 0;
  for (std::size_t i = 0; i < elevenDigits.size() && i < 11; ++i) {
    const int digit = int(elevenDigits[i] - U'0');
    sum += (i % 2 == 0 ? 4 : 9) * digit;
  }
  return (10 - sum % 10) % 10;
}

std::u32string IdentcodeDigits(std::u32string_view data) {
  std::u32string digits(data);
  PadLeft(digits, 11, U'0');
  digits += char32_t(U'0' + IdentcodeCheckDigit(digits));
  return digits;
}

std::u32string GroupedIdentcode(std::u32string_view twelveDigits) {
  const std::u32string_view d = twelveDigits;
  return std::u32string(d.substr(0, 2)) + U"." + std::u32string(d.substr(2, 3)) + U" " +
         std::u32string(d.substr(5, 3)) + U"." + std::u32string(d.substr(8, 3)) + U" " + std::u32string(d.substr(11));
}

namespace {

// The bars of Interleaved-25 at its quiet zones (4 left, 6 right: W 127).
constexpr double kFirstX = 4;
constexpr double kRightQuietZone = 6;
constexpr double kBarBottom = 15;

}  // namespace

Result<EncodedSymbol> IdentcodeEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = IdentcodeDigits(data);
  symbol.text = GroupedIdentcode(symbol.encoded);
  symbol.elements = InterleavedElements(symbol.encoded, Interleaved25Patterns);
  symbol.width = std::int64_t(kFirstX + kRightQuietZone) + ModuleCount(symbol.elements);
  return symbol;
}

// A given display text only switches the grouping off. The text is set small,
// 7 units apart.
void RenderIdentcode(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const std::u32string_view text = settings.displayText.empty() ? symbol.text : symbol.encoded;
  const double height = ImageHeight(kIdentcode, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  FillElements(frame, kFirstX, symbol.elements, kBarBottom, height);
  if (settings.showText == 1) {
    BeginTextGroup(frame, 0.7 * settings.fontSize);
    DrawSpacedCharacters(frame, text, 7, 7, 4);
  }
}

}  // namespace kbc
