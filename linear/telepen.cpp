#include "linear/telepen.h"

#include <algorithm>

#include "core/string_ops.h"
#include "core/symbology.h"

namespace kbc {
namespace {

constexpr std::size_t kMaxCharacters = 30;

void AppendCharacter(ElementWidths& elements, char32_t code) { AppendPattern(elements, TelepenPatterns[code]); }

}  // namespace

std::u32string TelepenCharacters(std::u32string_view data) {
  std::u32string characters(data.substr(data.size() > kMaxCharacters ? data.size() - kMaxCharacters : 0));
  std::erase_if(characters, [](char32_t c) { return c >= 128; });
  if (characters.empty() || characters.size() % 2 != 0 || !std::ranges::all_of(characters, IsAsciiDigit)) {
    return characters;
  }
  std::u32string packed;
  for (std::size_t i = 0; i < characters.size(); i += 2) {
    packed.push_back(char32_t(10 * (characters[i] - U'0') + (characters[i + 1] - U'0') + 27));
  }
  return packed;
}

int TelepenCheckCharacter(std::u32string_view characters) {
  int sum = 0;
  for (const char32_t c : characters) sum += int(c);
  return 127 - sum % 127;
}

ElementWidths TelepenElements(std::u32string_view characters) {
  ElementWidths elements;
  AppendCharacter(elements, kTelepenStart);
  for (const char32_t c : characters) {
    if (c < TelepenPatterns.size()) AppendCharacter(elements, c);
  }
  AppendCharacter(elements, char32_t(TelepenCheckCharacter(characters)));
  AppendCharacter(elements, kTelepenStop);
  return elements;
}

Result<EncodedSymbol> TelepenEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = TelepenCharacters(data);
  symbol.text = data;
  symbol.elements = TelepenElements(symbol.encoded);
  symbol.width = ModuleCount(symbol.elements);
  symbol.textRoom = 13;  // the text line below the bars
  return symbol;
}

// No quiet zone: the image ends with the stop's last space. The default text
// is the data as given, one character every 7 units.
void RenderTelepen(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const TextRoomLayout layout = LayoutWithTextRoom(kTelepen, settings, symbol.textRoom);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), layout.height);
  FillElements(frame, 0, symbol.elements, layout.barBottom, layout.height);
  if (settings.showText == 1) {
    const std::u32string_view text = settings.displayText.empty() ? symbol.text : settings.displayText;
    BeginTextGroup(frame, settings.fontSize);
    DrawSpacedCharacters(frame, text, 0, 7, 1);
  }
}

}  // namespace kbc
