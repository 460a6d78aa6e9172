#include "linear/two_of_five.h"

#include "core/string_ops.h"
#include "core/symbology.h"

namespace kbc {
namespace {

std::string_view DigitPattern(const TwoOfFiveTable& table, char32_t digit) {
  return table.digits[std::size_t(digit - U'0')];
}

// Code 25 carries its information in bars only: each table width is a bar.
void AppendBarsWithNarrowSpaces(ElementWidths& elements, std::string_view widthDigits) {
  for (const char width : widthDigits) {
    elements.push_back(std::uint8_t(width - '0'));
    elements.push_back(1);
  }
}

// Code 25 and Interleaved-25 draw their bars from 15 up to the image top; the
// text sits on baseline 4 under them.
constexpr double kBarBottom = 15;
constexpr int kTextBaseline = 4;

// The text, when shown, as one group of characters at a fixed pitch.
void DrawSpacedText(LinearFrame& frame, std::u32string_view text, double fontSize, int firstX, int pitch,
                    int baseline) {
  if (frame.settings->showText != 1) return;
  BeginTextGroup(frame, fontSize);
  DrawSpacedCharacters(frame, text, firstX, pitch, baseline);
}

std::u32string_view TextOr(const BarcodeSettings& settings, std::u32string_view digits) {
  return settings.displayText.empty() ? digits : std::u32string_view(settings.displayText);
}

// Code 25 has 10 units of quiet zone each side.
constexpr double kCode25QuietZone = 10;

// Interleaved-25 and ITF-14: 4 units of quiet zone on the left, 6 on the right
// after the stop's 0-wide space.
constexpr double kInterleavedFirstX = 4;
constexpr double kInterleavedRightQuietZone = 6;

EncodedSymbol InterleavedSymbol(std::u32string digits) {
  EncodedSymbol symbol;
  symbol.elements = InterleavedElements(digits, Interleaved25Patterns);
  symbol.width = std::int64_t(kInterleavedFirstX + kInterleavedRightQuietZone) + ModuleCount(symbol.elements);
  symbol.text = std::move(digits);
  return symbol;
}

// A fixed 305 × 100 image whatever the trim.
constexpr double kItfSccWidth = 305;
constexpr double kItfSccHeight = 100;

// ITF-SCC marks: an H in each quiet zone, left and right of the bearer's
// inside edge.
void DrawItfSccMark(const LinearFrame& frame, double x) {
  FillBar(frame, Rect{x, 49, 2, 16});
  FillBar(frame, Rect{x + 3, 49, 2, 16});
  FillBar(frame, Rect{x, 57, 5, 2});
}

}  // namespace

ElementWidths Code25Elements(std::u32string_view digits) {
  ElementWidths elements;
  AppendBarsWithNarrowSpaces(elements, Code25Patterns.start);
  for (const char32_t c : digits) {
    if (IsAsciiDigit(c)) AppendBarsWithNarrowSpaces(elements, DigitPattern(Code25Patterns, c));
  }
  AppendBarsWithNarrowSpaces(elements, Code25Patterns.stop);
  return elements;
}

std::u32string EvenDigits(std::u32string_view digits) {
  std::u32string even(digits);
  if (even.size() % 2 != 0) even.insert(0, 1, U'0');
  return even;
}

std::u32string FourteenDigits(std::u32string_view digits) {
  std::u32string fourteen(digits);
  PadLeft(fourteen, 14, U'0');
  return fourteen;
}

ElementWidths InterleavedElements(std::u32string_view evenDigits, const TwoOfFiveTable& table) {
  ElementWidths elements;
  AppendPattern(elements, table.start);
  for (std::size_t i = 0; i + 1 < evenDigits.size(); i += 2) {
    if (!IsAsciiDigit(evenDigits[i]) || !IsAsciiDigit(evenDigits[i + 1])) continue;
    const std::string_view bars = DigitPattern(table, evenDigits[i]);
    const std::string_view spaces = DigitPattern(table, evenDigits[i + 1]);
    for (std::size_t k = 0; k < bars.size(); ++k) {
      elements.push_back(std::uint8_t(bars[k] - '0'));
      elements.push_back(std::uint8_t(spaces[k] - '0'));
    }
  }
  AppendPattern(elements, table.stop);
  return elements;
}

Result<EncodedSymbol> Code25Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = data;
  symbol.text = data;
  symbol.elements = Code25Elements(data);
  symbol.width = std::int64_t(2 * kCode25QuietZone) + ModuleCount(symbol.elements);
  return symbol;
}

Result<EncodedSymbol> Interleaved25Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol = InterleavedSymbol(EvenDigits(data));
  symbol.encoded = symbol.text;
  return symbol;
}

Result<EncodedSymbol> Itf14Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol = InterleavedSymbol(FourteenDigits(data));
  symbol.encoded = data;
  return symbol;
}

Result<EncodedSymbol> ItfSccEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.encoded = data;
  symbol.text = FourteenDigits(data);
  symbol.elements = InterleavedElements(symbol.text, ItfSccPatterns);
  symbol.width = std::int64_t(kItfSccWidth);
  return symbol;
}

// The text pitch (15) is wider than a digit (14), so the characters drift
// right of their digits along the symbol.
void RenderCode25(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const double height = ImageHeight(kCode25, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  FillElements(frame, kCode25QuietZone, symbol.elements, kBarBottom, height);
  DrawSpacedText(frame, TextOr(settings, symbol.text), settings.fontSize, 11, 15, kTextBaseline);
}

// The digits small under their pairs.
void RenderInterleaved(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const double height = ImageHeight(settings.symbology, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  FillElements(frame, kInterleavedFirstX, symbol.elements, kBarBottom, height);
  DrawSpacedText(frame, TextOr(settings, symbol.text), 0.9 * settings.fontSize, 12, 9, kTextBaseline);
}

// The bearer frame touches the bars above and below and stands 22 units clear
// of them left and right; the text always shows the 14 digits.
void RenderItfScc(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  constexpr double kFirstX = 32;
  constexpr double kBarBottom = 26;
  constexpr double kBarTop = 90;
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), kItfSccHeight);
  StrokeBearerRect(frame, Rect{5, 21, 295, 74});
  DrawItfSccMark(frame, 11);
  DrawItfSccMark(frame, 289);
  FillElements(frame, kFirstX, symbol.elements, kBarBottom, kBarTop);
  DrawSpacedText(frame, symbol.text, settings.fontSize, 45, 16, 7);
}

}  // namespace kbc
