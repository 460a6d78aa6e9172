#include "linear/pharmacode.h"

#include <algorithm>

#include "core/symbology.h"
#include "text/number_text.h"

namespace kbc {

std::u32string PharmacodeDigits(std::u32string_view data) {
  constexpr std::size_t kKept = 9;
  return std::u32string(data.size() >= 10 ? data.substr(data.size() - kKept) : data);
}

std::string PharmacodeBars(long long value) {
  std::string bars;
  do {
    if (value % 2 != 0) {
      bars.insert(bars.begin(), '0');
      value = (value - 1) / 2;
    } else {
      bars.insert(bars.begin(), '1');
      value = (value - 2) / 2;
    }
  } while (value > 0);
  return bars;
}

ElementWidths PharmacodeElements(std::string_view bars) {
  constexpr std::uint8_t kSpace = 2;
  ElementWidths elements;
  for (const char bar : bars) {
    if (!elements.empty()) elements.push_back(kSpace);
    elements.push_back(bar == '1' ? 3 : 1);
  }
  return elements;
}

// The text line's height below the bars.
constexpr int kTextRoom = 13;

Result<EncodedSymbol> PharmacodeEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = PharmacodeDigits(data);
  symbol.text = data;
  symbol.elements = PharmacodeElements(PharmacodeBars(IntegerValueOf(symbol.encoded)));
  symbol.width = std::max<std::int64_t>(ModuleCount(symbol.elements), 7 * std::int64_t(symbol.encoded.size()));
  symbol.textRoom = kTextRoom;
  symbol.widthWithoutText = ModuleCount(symbol.elements);
  return symbol;
}

// No quiet zone. With text the image is 25 high and at least 7 units per
// character wide; without, 12 high with the bars from 0, and as wide as the bars.
void RenderPharmacode(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const bool withText = settings.showText == 1;
  const double fullHeight = ImageHeight(kPharmacode, settings.trim);
  const double height = withText ? fullHeight : fullHeight - symbol.textRoom;
  const double barBottom = withText ? symbol.textRoom : 0;
  const double width = double(withText ? symbol.width : symbol.widthWithoutText);
  LinearFrame frame = BeginLinearFrame(list, settings, width, height);
  FillElements(frame, 0, symbol.elements, barBottom, height);
  if (withText) {
    const std::u32string_view text = settings.displayText.empty() ? symbol.text : settings.displayText;
    BeginTextGroup(frame, settings.fontSize);
    DrawSpacedCharacters(frame, text, 0, 7, 1);
  }
}

}  // namespace kbc
