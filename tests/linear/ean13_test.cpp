// EAN-13 and UPC-A encoding against published and independently generated answers.
#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "linear/ean13.h"
#include "linear/ean_tables.h"
#include "linear/coupons.h"

namespace kbc {
namespace {

std::string Joined(const std::vector<EanPart>& parts) {
  std::string modules;
  for (const EanPart& part : parts) modules += part.modules;
  return modules;
}

TEST(EanCheckValues, KnownAnswers) {
  const std::pair<std::u32string_view, int> checkDigits[] = {
      {U"590123412345", 7},  // GS1 example symbol 5901234123457
      {U"123456789012", 8},  {U"03600029145", 2}, {U"9638507", 4}, {U"978030640615", 7}, {U"", 0},
  };
  for (const auto& [digits, check] : checkDigits) EXPECT_EQ(EanCheckDigit(digits), check) << "digits";
  const std::pair<std::u32string_view, int> addOn5[] = {{U"54495", 9}, {U"00123", 0}, {U"12345", 1}, {U"", 0}};
  for (const auto& [digits, value] : addOn5) EXPECT_EQ(AddOn5CheckValue(digits), value);
}

TEST(EanDigits, PaddedCutAndCheckDigitRecomputed) {
  const std::pair<std::u32string_view, std::u32string_view> ean13[] = {
      {U"123456789012", U"1234567890128"},
      {U"1234567890123", U"1234567890128"},  // a given check digit is dropped
      {U"12345", U"0000000123457"},
  };
  for (const auto& [data, digits] : ean13) EXPECT_EQ(Ean13Digits(data), digits);
  EXPECT_EQ(UpcADigits(U"03600029145"), U"036000291452");
  const std::pair<std::u32string_view, std::u32string_view> addOns[] = {
      {U"", U""}, {U"5", U"05"}, {U"12", U"12"}, {U"123", U"00123"}, {U"54495", U"54495"}, {U"123456", U""},
  };
  for (const auto& [addon, digits] : addOns) EXPECT_EQ(AddOnDigits(addon), digits);
  EXPECT_EQ(EanImageWidth(U""), 113);
  EXPECT_EQ(EanImageWidth(U"05"), 138);
  EXPECT_EQ(EanImageWidth(U"00123"), 165);
}

// Module rows from `zint --dump` (an independent encoder).
TEST(EanEncoding, ModulesMatchAnIndependentEncoder) {
  EXPECT_EQ(Joined(EncodeEan13(U"5901234123457")),
            "10100010110100111011001100100110111101001110101010110011011011001000010101110010011101000100101");
  EXPECT_EQ(Joined(EncodeUpcA(U"036000291452")),
            "10100011010111101010111100011010001101000110101010110110011101001100110101110010011101101100101");
  EXPECT_EQ(EncodeAddOn(U"12"), "10110011001010010011");
  EXPECT_EQ(EncodeAddOn(U"54495"), "10110110001010100011010011101010001011010111001");
}

TEST(EanEncoding, ParityByLeadingDigitAndAddOnValue) {
  // 123456789012 → left-hand sets AABABB (leading digit 1).
  const auto parts = EncodeEan13(U"1234567890128");
  std::string expected;
  const std::string_view sets = "AABABB";
  for (int i = 0; i < 6; ++i) expected += EanDigitPattern(sets[std::size_t(i)], char32_t(U'2' + i));
  EXPECT_EQ(parts[1].modules, expected);
  // 05 is value 5, 5 mod 4 = 1: sets A then B.
  EXPECT_EQ(EncodeAddOn(U"05"), std::string("1011") + std::string(kEanSetA[0]) + "01" + std::string(kEanSetB[5]));
  // 00123 has check value 0: sets BBAAA.
  EXPECT_EQ(EncodeAddOn(U"00123").substr(4, 7), kEanSetB[0]);
  EXPECT_EQ(EncodeAddOn(U"00123").size(), 47u);
}

TEST(EanEncoding, UpcAMarksItsOuterDigitsAsGuardHeight) {
  const auto parts = EncodeUpcA(U"036000291452");
  ASSERT_EQ(parts.size(), 7u);
  const bool guardHeights[] = {true, true, false, true, false, true, true};
  for (std::size_t i = 0; i < parts.size(); ++i) EXPECT_EQ(parts[i].guardHeight, guardHeights[i]) << i;
}

// The family's widths come from the add-on as drawn; what the symbol carries is
// what the warnings compare with the data.
TEST(EanEncoding, WidthTextAndPartsByRow) {
  using Encoding = EncodedSymbol (*)(std::u32string_view, std::u32string_view);
  const struct {
    const char* source;
    Encoding encode;
    std::u32string_view data, addon;
    std::int64_t width;
    std::u32string_view encoded, text, addOn;
    std::size_t parts;  // main parts, then the add-on's
  } rows[] = {
      {"no add-on", Ean13Encoding, U"590123412345", U"", 113, U"5901234123457", U"5901234123457", U"", 5},
      {"1 add-on digit makes 2", Ean13Encoding, U"590123412345", U"5", 138, U"5901234123457", U"5901234123457", U"05", 6},
      {"3 add-on digits make 5", Ean13Encoding, U"590123412345", U"123", 165, U"5901234123457", U"5901234123457",
       U"00123", 6},
      {"6 add-on digits are not drawn", Ean13Encoding, U"590123412345", U"123456", 113, U"5901234123457",
       U"5901234123457", U"", 5},
      {"UPC-A with 2 add-on digits", UpcAEncoding, U"03600029145", U"12", 138, U"036000291452", U"036000291452", U"12",
       8},
      {"EAN-99 carries the data as given", Ean99Encoding, U"1234567890", U"", 113, U"1234567890", U"9912345678909",
       U"", 5},
      {"EAN-Coupon carries the data as given", EanCouponEncoding, U"1234567890", U"", 113, U"1234567890",
       U"9812345678902", U"", 5},
      {"UPC-Coupon: set C second code, its digits as the add-on", UpcCouponEncoding, U"03600029145", U"8110", 211,
       U"036000291452", U"036000291452", U"8110", 7},
      {"UPC-Coupon: set B second code", UpcCouponEncoding, U"03600029145", U"12345", 244, U"036000291452",
       U"036000291452", U"12345", 7},
  };
  for (const auto& row : rows) {
    const EncodedSymbol symbol = row.encode(row.data, row.addon);
    EXPECT_EQ(symbol.width, row.width) << row.source;
    EXPECT_EQ(symbol.encoded, row.encoded) << row.source;
    EXPECT_EQ(symbol.text, row.text) << row.source;
    EXPECT_EQ(symbol.addOn, row.addOn) << row.source;
    EXPECT_EQ(symbol.parts.size(), row.parts) << row.source;
  }
}

TEST(EanEncoding, PartsAreTheSymbolsModules) {
  const EncodedSymbol ean13 = Ean13Encoding(U"590123412345", U"12");
  ASSERT_EQ(ean13.parts.size(), 6u);
  std::string main;
  for (std::size_t i = 0; i < 5; ++i) main += ean13.parts[i];
  EXPECT_EQ(main, Joined(EncodeEan13(U"5901234123457")));
  EXPECT_EQ(ean13.parts[5], "10110011001010010011");  // zint's add-on 12, as above
  const EncodedSymbol coupon = UpcCouponEncoding(U"03600029145", U"8110");
  EXPECT_EQ(std::accumulate(coupon.parts.begin(), coupon.parts.end(), std::string()),
            Joined(EncodeUpcA(U"036000291452")));
  EXPECT_EQ(ModuleCount(coupon.elements), 211 - 134 - 9);
}

}  // namespace
}  // namespace kbc
