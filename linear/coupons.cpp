#include "linear/coupons.h"

#include "core/symbology.h"
#include "core/string_ops.h"
#include "linear/ean13.h"

namespace kbc {
namespace {

// The second code starts 30 light modules after the UPC-A symbol and leaves 9
// units to the right edge.
constexpr double kSecondCodeX = 134;
constexpr double kSecondCodeRightZone = 9;
constexpr double kSecondCodeBarBottom = 12;

// Set-C digits are set small, two to a symbol character; set-B digits at full
// size one to a character, from the first data character.
void DrawSecondCodeText(LinearFrame& frame, std::u32string_view digits) {
  if (frame.settings->showText != 1 || digits.empty()) return;
  const bool pairs = digits.size() % 2 == 0;
  BeginTextGroup(frame, pairs ? 0.7 * frame.settings->fontSize : frame.settings->fontSize);
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (pairs) {
      DrawTextItem(frame, 133 + 7 * int(k), 2, digits.substr(k, 1));
    } else {
      DrawTextItem(frame, 144 + 11 * int(k), 1, digits.substr(k, 1));
    }
  }
}

}  // namespace

std::u32string CouponEan13Digits(std::u32string_view prefix, std::u32string_view data) {
  std::u32string number(data);
  PadLeft(number, 10, U'0');
  return Ean13Digits(std::u32string(prefix) + number);
}

Code128Symbol EncodeUpcCouponSecondCode(std::u32string_view addonDigits) {
  return EncodeInCodeSet(addonDigits.size() % 2 == 0 ? CodeSet::C : CodeSet::B, addonDigits, true);
}

namespace {

EncodedSymbol PrefixedEan13Encoding(std::u32string_view prefix, std::u32string_view data) {
  EncodedSymbol symbol = Ean13Symbol(CouponEan13Digits(prefix, data), U"");
  symbol.encoded = data;
  return symbol;
}

}  // namespace

Result<EncodedSymbol> Ean99Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return PrefixedEan13Encoding(kEan99Prefix, data);
}

Result<EncodedSymbol> EanCouponEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return PrefixedEan13Encoding(kEanCouponPrefix, data);
}

void RenderPrefixedEan13(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const HeightRule rule = HeightRuleFor(settings.symbology);
  const int height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  DrawEan13Body(frame, symbol, height, height);
}

Result<EncodedSymbol> UpcCouponEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions&) {
  EncodedSymbol symbol = UpcASymbol(UpcADigits(data), U"");
  symbol.elements = Code128Elements(EncodeUpcCouponSecondCode(addon));
  symbol.width = std::int64_t(kSecondCodeX + kSecondCodeRightZone) + ModuleCount(symbol.elements);
  symbol.addOn = addon;
  return symbol;
}

void RenderUpcCoupon(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const HeightRule rule = HeightRuleFor(kUpcCoupon);
  const int height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  DrawUpcABody(frame, symbol, height, height);
  FillElements(frame, kSecondCodeX, symbol.elements, kSecondCodeBarBottom, height);
  DrawSecondCodeText(frame, symbol.addOn);
}

}  // namespace kbc
