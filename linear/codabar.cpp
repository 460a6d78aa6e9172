#include "linear/codabar.h"

#include "core/symbology.h"

namespace kbc {
namespace {

std::u32string Framed(std::u32string_view data, char32_t start, char32_t stop) {
  std::u32string framed(data);
  if (framed.empty()) return framed;
  if (!IsCodabarStartStop(framed.front())) framed.insert(0, 1, start);
  if (!IsCodabarStartStop(framed.back())) framed.push_back(stop);
  return framed;
}

}  // namespace

std::u32string WithCodabarStartStop(std::u32string_view data) { return Framed(data, U'a', U'b'); }

std::u32string CodabarCharacters(std::u32string_view withStartStop) {
  std::u32string kept;
  for (char32_t c : withStartStop) {
    if (c >= U'A' && c <= U'D') c = c - U'A' + U'a';
    if (kCodabarCharacters.find(c) != std::u32string_view::npos) kept.push_back(c);
  }
  return kept;
}

ElementWidths CodabarElements(std::u32string_view characters) {
  constexpr std::uint8_t kGap = 1;
  ElementWidths elements;
  for (const char32_t c : characters) {
    const std::size_t index = kCodabarCharacters.find(c);
    if (index == std::u32string_view::npos) continue;
    for (const char wide : CodabarPatterns[index]) elements.push_back(wide == '1' ? 3 : 1);
    elements.push_back(kGap);
  }
  return elements;
}

Result<EncodedSymbol> CodabarEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = Framed(data, U'A', U'B');
  symbol.text = WithCodabarStartStop(data);
  symbol.elements = CodabarElements(CodabarCharacters(symbol.text));
  symbol.width = ModuleCount(symbol.elements);
  return symbol;
}

// No quiet zone: the first bar at x 0, the image ending with the last gap.
// The default text shows the start and stop letters.
void RenderCodabar(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  constexpr double kBarBottom = 16;
  const double height = ImageHeight(kCodabar, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  FillElements(frame, 0, symbol.elements, kBarBottom, height);
  if (settings.showText == 1) {
    const std::u32string_view text = settings.displayText.empty() ? symbol.text : settings.displayText;
    BeginTextGroup(frame, settings.fontSize);
    DrawSpacedCharacters(frame, text, 5, 7, 7);
  }
}

}  // namespace kbc
