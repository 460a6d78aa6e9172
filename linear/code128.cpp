#include "linear/code128.h"

#include <algorithm>

#include "core/symbology.h"
#include "core/string_ops.h"
#include "linear/code128_shortest.h"
#include "linear/gs1_element_string.h"

namespace kbc {
namespace {

constexpr int StartValue(CodeSet codeSet) {
  switch (codeSet) {
    case CodeSet::A:
      return kCode128StartA;
    case CodeSet::C:
      return kCode128StartC;
    case CodeSet::B:
      break;
  }
  return kCode128StartB;
}

// Set A holds the control characters after the upper-case half of ASCII.
constexpr int SetAValue(char32_t c) {
  if (c < 32) return int(c) + 64;
  if (c <= 95) return int(c) - 32;
  return -1;
}

constexpr int SetBValue(char32_t c) { return c >= 32 && c <= 127 ? int(c) - 32 : -1; }

void AppendDataValues(CodeSet codeSet, std::u32string_view data, std::vector<int>& values) {
  if (codeSet == CodeSet::C) {
    std::u32string digits(data);
    std::erase_if(digits, [](char32_t c) { return !IsAsciiDigit(c); });
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
      values.push_back(int(digits[i] - U'0') * 10 + int(digits[i + 1] - U'0'));
    return;
  }
  for (const char32_t c : data) {
    const int value = codeSet == CodeSet::A ? SetAValue(c) : SetBValue(c);
    if (value >= 0) values.push_back(value);
  }
}

// Geometry shared by the four symbols: 10 units of quiet zone each side, bars
// from 12 up to the top of the image.
constexpr double kFirstElementX = 10;
constexpr double kQuietZone = 10;
constexpr double kBarBottom = 12;

// The characters of the data the set takes: set C's digits, set A's digits and
// capitals, set B's characters 32..127.
std::u32string CharactersTaken(CodeSet codeSet, std::u32string_view data) {
  std::u32string kept(data);
  std::erase_if(kept, [](char32_t c) { return c >= 128; });
  if (codeSet == CodeSet::B) std::erase_if(kept, [](char32_t c) { return c < 32; });
  return kept;
}

// Start, latches and shifts chosen for the fewest symbol characters; like the
// one-set rule it ignores characters of code 128 and above. Its characters no
// longer line up with the data's, so its text is set small from the left.
Result<EncodedSymbol> ShortestEncoding(std::u32string_view data, bool fnc1) {
  std::u32string taken(data);
  std::erase_if(taken, [](char32_t c) { return c >= 128; });
  if (taken.empty()) return Refusal("Code-128 data has no character it can encode");
  std::vector<int> characters;
  if (fnc1) characters.push_back(kGs1Fnc1);
  for (const char32_t c : taken) characters.push_back(int(c));
  Code128Symbol values{CodeSet::B, EncodeCode128Shortest(characters)};
  if (values.values.front() == kCode128StartA) values.codeSet = CodeSet::A;
  if (values.values.front() == kCode128StartC) values.codeSet = CodeSet::C;
  EncodedSymbol symbol = Code128EncodedSymbol(values, std::u32string(data), kCode128SmallText);
  symbol.encoded = std::move(taken);
  return symbol;
}

// Free text: the characters of the data as given are shown, even those the
// symbol could not take.
Result<EncodedSymbol> FreeTextEncoding(std::u32string_view data, bool fnc1, const SymbolOptions& options) {
  if (options.code128Shortest) return ShortestEncoding(data, fnc1);
  const CodeSet codeSet = ChooseCodeSet(data);
  std::u32string taken = CharactersTaken(codeSet, data);
  // Start, check and stop alone would read as no data at all.
  if (taken.empty()) return Refusal("Code-128 data has no character it can encode");
  EncodedSymbol symbol = Code128EncodedSymbol(EncodeInCodeSet(codeSet, data, fnc1), std::u32string(data),
                                              codeSet == CodeSet::C ? kCode128SmallText : kCode128FullSizeText);
  symbol.encoded = std::move(taken);
  return symbol;
}

EncodedSymbol FixedLengthEncoding(std::u32string_view data, std::u32string_view applicationIdentifier,
                                  std::size_t digitCount) {
  std::u32string digits = FixedLengthGs1Digits(data, digitCount);
  const Code128Symbol values = EncodeFixedLengthGs1(applicationIdentifier, digits);
  EncodedSymbol symbol = Code128EncodedSymbol(values, std::move(digits), kCode128SmallText);
  symbol.encoded = data;
  return symbol;
}

// Full-size characters sit one per symbol character from the first data
// character; small ones one every 7 units from the left edge of the start character.
void DrawCode128Text(LinearFrame& frame, std::u32string_view text, int layout) {
  if (frame.settings->showText != 1) return;
  if (layout == kCode128CentredText) {
    const double fontSize = frame.settings->fontSize;
    DrawCentredText(frame, frame.width / 2, 2, FittingFontSize(fontSize, frame.width, text.size()), text);
    return;
  }
  const bool small = layout == kCode128SmallText;
  BeginTextGroup(frame, small ? 0.7 * frame.settings->fontSize : frame.settings->fontSize);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (small) {
      DrawTextItem(frame, 10 + 7 * int(i), 2, text.substr(i, 1));
    } else {
      DrawTextItem(frame, 21 + 11 * int(i), 1, text.substr(i, 1));
    }
  }
}

void DrawSymbol(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol,
                std::u32string_view text) {
  const HeightRule rule = HeightRuleFor(settings.symbology);
  const double height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  FillElements(frame, kFirstElementX, symbol.elements, kBarBottom, height);
  DrawCode128Text(frame, text, symbol.variant);
}

void RenderFixedLength(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol,
                       std::u32string_view applicationIdentifier) {
  std::u32string text = U"(" + std::u32string(applicationIdentifier) + U") ";
  text += settings.displayText.empty() ? symbol.text : settings.displayText;
  DrawSymbol(list, settings, symbol, text);
}

}  // namespace

int Code128CheckValue(std::span<const int> fromStart) {
  if (fromStart.empty()) return 0;
  long sum = fromStart[0];
  for (std::size_t i = 1; i < fromStart.size(); ++i) sum += long(fromStart[i]) * long(i);
  return int(sum % 103);
}

Code128Symbol EncodeInCodeSet(CodeSet codeSet, std::u32string_view data, bool fnc1) {
  Code128Symbol symbol{codeSet, {StartValue(codeSet)}};
  if (fnc1) symbol.values.push_back(kCode128Fnc1);
  AppendDataValues(codeSet, data, symbol.values);
  symbol.values.push_back(Code128CheckValue(symbol.values));
  symbol.values.push_back(kCode128Stop);
  return symbol;
}

CodeSet ChooseCodeSet(std::u32string_view data) {
  std::u32string kept(data);
  std::erase_if(kept, [](char32_t c) { return c >= 128; });
  if (kept.empty()) return CodeSet::B;
  if (!std::ranges::all_of(kept, [](char32_t c) { return IsAsciiDigit(c) || IsAsciiUpper(c); })) return CodeSet::B;
  if (kept.size() % 2 == 0 && std::ranges::all_of(kept, IsAsciiDigit)) return CodeSet::C;
  return CodeSet::A;
}

Code128Symbol EncodeCode128(std::u32string_view data, bool fnc1) {
  return EncodeInCodeSet(ChooseCodeSet(data), data, fnc1);
}

std::u32string FixedLengthGs1Digits(std::u32string_view digits, std::size_t digitCount) {
  std::u32string fixed(digits);
  PadLeft(fixed, digitCount, U'0');
  return fixed;
}

Code128Symbol EncodeFixedLengthGs1(std::u32string_view applicationIdentifier, std::u32string_view digits) {
  std::u32string data(applicationIdentifier);
  data += digits;
  return EncodeInCodeSet(CodeSet::C, data, true);
}

ElementWidths Code128Elements(const Code128Symbol& symbol) {
  ElementWidths elements;
  for (const int value : symbol.values) {
    if (value >= 0 && std::size_t(value) < Code128Patterns.size()) AppendPattern(elements, Code128Patterns[std::size_t(value)]);
  }
  return elements;
}

EncodedSymbol Code128EncodedSymbol(const Code128Symbol& values, std::u32string text, int layout) {
  EncodedSymbol symbol;
  symbol.elements = Code128Elements(values);
  symbol.width = std::int64_t(kFirstElementX + kQuietZone) + ModuleCount(symbol.elements);
  symbol.text = std::move(text);
  symbol.variant = layout;
  return symbol;
}

Result<EncodedSymbol> Code128Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  return FreeTextEncoding(data, false, options);
}

Result<EncodedSymbol> Ean128Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  return FreeTextEncoding(data, true, options);
}

Result<EncodedSymbol> Ean14Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return FixedLengthEncoding(data, U"01", 14);
}

Result<EncodedSymbol> Ean18Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return FixedLengthEncoding(data, U"00", 18);
}

void RenderCode128(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  DrawSymbol(list, settings, symbol, settings.displayText.empty() ? symbol.text : settings.displayText);
}

void RenderEan14(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  RenderFixedLength(list, settings, symbol, U"01");
}

void RenderEan18(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  RenderFixedLength(list, settings, symbol, U"00");
}

}  // namespace kbc
