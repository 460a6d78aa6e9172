#include "linear/coupons.h"

#include "cli/string_ops.h"
#include "linear/ean_tables.h"

namespace kbc {
namespace {

std::u32string PaddedWithCheckDigit(std::u32string digits, std::size_t dataDigits) {
  PadLeft(digits, dataDigits, U'0');
  digits += char32_t(U'0' + EanCheckDigit(digits));
  return digits;
}

}  // namespace

std::u32string CouponEan13Digits(std::u32string_view prefix, std::u32string_view data) {
  std::u32string number(data);
  PadLeft(number, 10, U'0');
  return PaddedWithCheckDigit(std::u32string(prefix) + number, 12);
}

std::u32string UpcCouponDigits(std::u32string_view data) { return PaddedWithCheckDigit(std::u32string(data), 11); }

Code128Symbol EncodeUpcCouponSecondCode(std::u32string_view addonDigits) {
  return EncodeInCodeSet(addonDigits.size() % 2 == 0 ? CodeSet::C : CodeSet::B, addonDigits, true);
}

}  // namespace kbc
