// EAN-99, EAN-Coupon and UPC-Coupon numbers and the UPC-Coupon second code.
#include "linear/coupons.h"

#include <gtest/gtest.h>

#include <vector>

namespace kbc {
namespace {

TEST(CouponNumbers, Digits) {
  const struct {
    const char* source;
    std::u32string digits;
    std::u32string_view expected;
  } rows[] = {
      {"worked example: EAN-99 1234567890", CouponEan13Digits(kEan99Prefix, U"1234567890"), U"9912345678909"},
      {"worked example: EAN-Coupon 1234567890", CouponEan13Digits(kEanCouponPrefix, U"1234567890"), U"9812345678902"},
      {"short data is padded; check (9·1+9·3+7·3) mod 10 by hand", CouponEan13Digits(kEan99Prefix, U"7"),
       U"9900000000073"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.digits, row.expected) << row.source;
}

TEST(UpcCouponSecondCode, SetValuesCheckAndWidth) {
  const struct {
    const char* source;
    std::u32string_view addon;
    std::vector<int> values;
    int width;  // 134 before the code, 9 after it
  } rows[] = {
      {"worked example: 8110 in set C, check 90, W 211", U"8110", {105, 102, 81, 10, 90, 106}, 211},
      {"worked example: 5 digits in set B, W 244; check (104+102+17·2+18·3+19·4+20·5+21·6) mod 103 by hand",
       U"12345",
       {104, 102, 17, 18, 19, 20, 21, 81, 106},
       244},
      {"worked example: no digits give Start C, FNC1, check 1, W 189", U"", {105, 102, 1, 106}, 189},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.source);
    const Code128Symbol symbol = EncodeUpcCouponSecondCode(row.addon);
    EXPECT_EQ(symbol.values, row.values);
    EXPECT_EQ(134 + Code128ModuleCount(symbol) + 9, row.width);
  }
}

}  // namespace
}  // namespace kbc
