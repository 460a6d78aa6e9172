#include "linear/ean8_upce.h"

#include <vector>

#include "core/string_ops.h"
#include "core/symbology.h"
#include "linear/ean13.h"
#include "linear/ean_tables.h"
#include "render/linear_frame.h"
#include "text/utf8.h"

namespace kbc {
namespace {

char32_t DigitChar(int value) { return char32_t(U'0' + value); }

}  // namespace

std::u32string Ean8Digits(std::u32string_view data) {
  std::u32string digits(data);
  PadLeft(digits, 7, U'0');
  digits += DigitChar(EanCheckDigit(digits));
  return digits;
}

std::u32string ExpandUpcE(std::u32string_view sevenDigits) {
  std::u32string d(sevenDigits);
  PadLeft(d, 7, U'0');
  const std::u32string_view v(d);
  std::u32string expansion(v.substr(0, 1));
  switch (d[6]) {
    case U'0':
    case U'1':
    case U'2':
      expansion += v.substr(1, 2);
      expansion += v[6];
      expansion += U"0000";
      expansion += v.substr(3, 3);
      break;
    case U'3':
      expansion += v.substr(1, 3);
      expansion += U"00000";
      expansion += v.substr(4, 2);
      break;
    case U'4':
      expansion += v.substr(1, 4);
      expansion += U"00000";
      expansion += v[5];
      break;
    default:
      expansion += v.substr(1, 5);
      expansion += U"0000";
      expansion += v[6];
      break;
  }
  return expansion;
}

UpcEDigits PrepareUpcE(std::u32string_view data) {
  UpcEDigits upcE;
  upcE.digits = data;
  PadLeft(upcE.digits, 7, U'0');
  upcE.expansion = ExpandUpcE(upcE.digits);
  const int check = EanCheckDigit(upcE.expansion);
  upcE.check = DigitChar(check);
  // Any leading digit other than 0 takes the number-system-1 sets.
  upcE.sets = upcE.digits[0] == U'0' ? kUpcEParityNs0[std::size_t(check)] : kUpcEParityNs1[std::size_t(check)];
  return upcE;
}

Result<EncodedSymbol> Ean8Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  symbol.width = 81;
  symbol.encoded = Ean8Digits(data);
  symbol.text = symbol.encoded;
  const std::u32string_view d(symbol.text);
  symbol.parts = {std::string(kStartGuard), EanDigitModules(d.substr(0, 4), "AAAA"), std::string(kCentreGuard),
                  EanDigitModules(d.substr(4, 4), "CCCC"), std::string(kEndGuard)};
  return symbol;
}

Result<EncodedSymbol> EanVelocityEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options) {
  EncodedSymbol symbol = *Ean8Encoding(data, addon, options);
  symbol.encoded = data;
  return symbol;
}

// UPC-E suppresses zeros of number systems 0 and 1 only: the other number
// systems have no UPC-E form, and a symbol carrying one reads as nothing.
Result<EncodedSymbol> UpcEEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  const UpcEDigits upcE = PrepareUpcE(data);
  const std::u32string_view d(upcE.digits);
  if (d.front() != U'0' && d.front() != U'1') {
    return Refusal("UPC-E exists only for number systems 0 and 1 (the data starts with " +
                                  ToUtf8(d.substr(0, 1)) + ")");
  }
  EncodedSymbol symbol;
  symbol.width = 67;
  symbol.encoded = upcE.digits + upcE.check;
  symbol.text = symbol.encoded;
  symbol.parts = {std::string(kStartGuard), EanDigitModules(d.substr(1, 6), upcE.sets), std::string(kUpcEEndGuard)};
  return symbol;
}

void RenderEan8(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const HeightRule rule = HeightRuleFor(settings.symbology);
  const double height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  const std::u32string_view d(symbol.text);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  // Guards reach down to 5, digit bars to 10.
  std::vector<PatternSpan> spans;
  for (std::size_t i = 0; i < symbol.parts.size(); ++i) spans.push_back({symbol.parts[i], i % 2 == 0 ? 5.0 : 10.0, height});
  FillModuleRuns(frame, 7, spans);
  if (settings.showText == 1) {
    BeginTextGroup(frame, settings.fontSize);
    DrawTextItem(frame, 0, 1, U"<");
    DrawTextItem(frame, 75, 1, U">");
    BeginTextGroup(frame, settings.fontSize);
    for (int i = 0; i < 4; ++i) DrawTextItem(frame, 11 + 7 * i, 1, d.substr(std::size_t(i), 1));
    for (int i = 0; i < 4; ++i) DrawTextItem(frame, 43 + 7 * i, 1, d.substr(std::size_t(4 + i), 1));
  }
}

void RenderUpcE(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const HeightRule rule = HeightRuleFor(kUpcE);
  const double height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  const std::u32string_view d(symbol.text);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  // The guards reach down to 6, the digit bars to 10.
  std::vector<PatternSpan> spans;
  for (std::size_t i = 0; i < symbol.parts.size(); ++i) spans.push_back({symbol.parts[i], i == 1 ? 10.0 : 6.0, height});
  FillModuleRuns(frame, 9, spans);
  if (settings.showText == 1) {
    // The number system and the check digit are carried by the sets only, and
    // printed small outside the guards.
    BeginTextGroup(frame, 0.7 * settings.fontSize);
    DrawTextItem(frame, 0, 1, d.substr(0, 1));
    DrawTextItem(frame, 63, 1, d.substr(7, 1));
    BeginTextGroup(frame, settings.fontSize);
    for (int i = 0; i < 6; ++i) DrawTextItem(frame, 13 + 7 * i, 1, d.substr(std::size_t(1 + i), 1));
  }
}

}  // namespace kbc
