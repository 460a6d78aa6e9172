#include "linear/gs1_128.h"

#include "core/symbology.h"
#include "linear/code128.h"
#include "linear/code128_shortest.h"
#include "linear/gs1_element_string.h"
#include "render/linear_frame.h"

namespace kbc {
namespace {

constexpr double kFirstElementX = 10;
constexpr double kQuietZone = 10;
constexpr double kBarBottom = 12;

Code128Symbol AsCode128Symbol(const Gs1_128Symbol& symbol) { return {CodeSet::C, symbol.values}; }

}  // namespace

Gs1_128Symbol EncodeGs1_128(std::u32string_view elementString) {
  Gs1_128Symbol symbol;
  const Gs1ElementString parsed = ParseGs1ElementString(elementString);
  if (!parsed.refusal.empty()) {
    symbol.refusal = parsed.refusal;
    return symbol;
  }
  if (const std::size_t count = Gs1DataCharacterCount(parsed.fields); count > kGs1_128MostDataCharacters) {
    symbol.refusal = "GS1-128 holds at most 48 data characters (got " + std::to_string(count) + ")";
    return symbol;
  }
  std::vector<int> characters = {kGs1Fnc1};
  for (const int c : Gs1EncodedCharacters(parsed.fields)) characters.push_back(c);
  symbol.values = EncodeCode128Shortest(characters);
  for (const char c : Gs1HumanReadable(parsed.fields)) symbol.text.push_back(char32_t(c));
  return symbol;
}

std::int64_t Gs1_128Width(const Gs1_128Symbol& symbol) {
  return std::int64_t(kFirstElementX + kQuietZone) + Code128ModuleCount(AsCode128Symbol(symbol));
}

void RenderGs1_128(DrawingTarget* target, const BarcodeSettings& settings) {
  const Gs1_128Symbol symbol = EncodeGs1_128(settings.data);
  const HeightRule rule = HeightRuleFor(kEan128);
  const double height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  LinearFrame frame = BeginLinearFrame(target, settings, double(Gs1_128Width(symbol)), height);
  DrawCode128Bars(frame, kFirstElementX, AsCode128Symbol(symbol), kBarBottom, height);
  if (settings.showText == 1) {
    const std::u32string_view text = settings.displayText.empty() ? std::u32string_view(symbol.text) : settings.displayText;
    BeginTextGroup(frame, 0.7 * settings.fontSize);
    for (std::size_t i = 0; i < text.size(); ++i) DrawTextItem(frame, 10 + 7 * int(i), 2, text.substr(i, 1));
  }
  EndLinearFrame(frame);
}

}  // namespace kbc
