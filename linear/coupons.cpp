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

void RenderPrefixedEan13(DrawingTarget* target, const BarcodeSettings& settings, SymbologyType symbology,
                         std::u32string_view prefix) {
  const HeightRule rule = HeightRuleFor(symbology);
  const int height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  LinearFrame frame = BeginLinearFrame(target, settings, EanImageWidth(U""), height);
  DrawEan13Body(frame, CouponEan13Digits(prefix, settings.data), U"", height, height);
  EndLinearFrame(frame);
}

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

void RenderEan99(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderPrefixedEan13(target, settings, kEan99, kEan99Prefix);
}

void RenderEanCoupon(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderPrefixedEan13(target, settings, kEanCoupon, kEanCouponPrefix);
}

void RenderUpcCoupon(DrawingTarget* target, const BarcodeSettings& settings) {
  const HeightRule rule = HeightRuleFor(kUpcCoupon);
  const int height = CappedHeight(rule.baseHeight, rule.trimCap, settings.trim);
  const Code128Symbol secondCode = EncodeUpcCouponSecondCode(settings.addon);
  const double width = kSecondCodeX + Code128ModuleCount(secondCode) + kSecondCodeRightZone;
  LinearFrame frame = BeginLinearFrame(target, settings, width, height);
  DrawUpcABody(frame, UpcADigits(settings.data), U"", height, height);
  DrawCode128Bars(frame, kSecondCodeX, secondCode, kSecondCodeBarBottom, height);
  DrawSecondCodeText(frame, settings.addon);
  EndLinearFrame(frame);
}

}  // namespace kbc
