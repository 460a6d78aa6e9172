// EAN-99, EAN-Coupon and UPC-Coupon numbers and the UPC-Coupon second code.
#include "linear/coupons.h"

#include <gtest/gtest.h>

#include <vector>

namespace kbc {
namespace {

TEST(CouponNumbers, Digits) {
  EXPECT_EQ(CouponEan13Digits(kEan99Prefix, U"7"), U"9900000000073");  // padded; check (9+9·3+7·3) mod 10 by hand
}

// width: 134 before the code, 9 after it.
TEST(UpcCouponSecondCode, SetValuesCheckAndWidth) {
  const struct {
    const char* source;
    std::u32string_view addon;
    std::vector<int> values;
    int width;
  } rows[] = {
      {"worked example: set C, check 90", U"8110", {105, 102, 81, 10, 90, 106}, 211},
      {"worked example: set B; check (104+102+17·2+18·3+19·4+20·5+21·6) mod 103 by hand", U"12345",
       {104, 102, 17, 18, 19, 20, 21, 81, 106}, 244},
      {"worked example: no digits give Start C, FNC1, check 1", U"", {105, 102, 1, 106}, 189},
  };
  for (const auto& row : rows) {
    const Code128Symbol symbol = EncodeUpcCouponSecondCode(row.addon);
    EXPECT_EQ(symbol.values, row.values) << row.source;
    EXPECT_EQ(134 + ModuleCount(Code128Elements(symbol)) + 9, row.width) << row.source;
  }
}

}  // namespace
}  // namespace kbc
