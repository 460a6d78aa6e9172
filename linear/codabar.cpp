#include "linear/codabar.h"

#include "core/symbology.h"

namespace kbc {

std::u32string WithCodabarStartStop(std::u32string_view data) {
  std::u32string framed(data);
  if (framed.empty()) return framed;
  if (!IsCodabarStartStop(framed.front())) framed.insert(0, 1, U'a');
  if (!IsCodabarStartStop(framed.back())) framed.push_back(U'b');
  return framed;
}

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

// No quiet zone: the first bar at x 0, the image ending with the last gap.
// The default text shows the start and stop letters.
void RenderCodabar(DrawingTarget* target, const BarcodeSettings& settings) {
  constexpr double kBarBottom = 16;
  const std::u32string data = WithCodabarStartStop(settings.data);
  const ElementWidths elements = CodabarElements(CodabarCharacters(data));
  const double height = ImageHeight(kCodabar, settings.trim);
  LinearFrame frame = BeginLinearFrame(target, settings, ModuleCount(elements), height);
  FillElements(frame, 0, elements, kBarBottom, height);
  if (settings.showText == 1) {
    const std::u32string_view text = settings.displayText.empty() ? std::u32string_view(data) : settings.displayText;
    BeginTextGroup(frame, settings.fontSize);
    DrawSpacedCharacters(frame, text, 5, 7, 7);
  }
  EndLinearFrame(frame);
}

}  // namespace kbc
