// EAN-13 and UPC-A encoding against published and independently generated answers.
#include <gtest/gtest.h>

#include <string>

#include "core/symbology.h"
#include "linear/ean13.h"
#include "linear/coupons.h"

namespace kbc {
namespace {

std::string Joined(const std::vector<EanPart>& parts) {
  std::string modules;
  for (const EanPart& part : parts) modules += part.modules;
  return modules;
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
}

// Module rows from `zint --dump` (an independent encoder): left-hand parity by
// leading digit 5, 0 (UPC-A) and 1, add-ons of value 12 mod 4 = 0 and 5 mod 4
// = 1, and of check values 9 and 0.
TEST(EanEncoding, ModulesMatchAnIndependentEncoder) {
  EXPECT_EQ(Joined(EncodeEan13(U"5901234123457")),
            "10100010110100111011001100100110111101001110101010110011011011001000010101110010011101000100101");
  EXPECT_EQ(Joined(EncodeUpcA(U"036000291452")),
            "10100011010111101010111100011010001101000110101010110110011101001100110101110010011101101100101");
  EXPECT_EQ(Joined(EncodeEan13(U"1234567890128")),
            "10100100110111101001110101100010000101001000101010100100011101001110010110011011011001001000101");
  EXPECT_EQ(EncodeAddOn(U"12"), "10110011001010010011");
  EXPECT_EQ(EncodeAddOn(U"05"), "10110001101010111001");
  EXPECT_EQ(EncodeAddOn(U"54495"), "10110110001010100011010011101010001011010111001");
  EXPECT_EQ(EncodeAddOn(U"00123"), "10110100111010100111010011001010010011010111101");
}

// The family's widths come from the add-on as drawn; what the symbol carries is
// what the warnings compare with the data.
TEST(EanEncoding, WidthTextAndPartsByRow) {
  using Encoding = Encoder;
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
      {"UPC-A with 2 add-on digits", UpcAEncoding, U"03600029145", U"12", 138, U"036000291452", U"036000291452", U"12",
       8},
      {"EAN-99 carries the data as given", Ean99Encoding, U"1234567890", U"", 113, U"1234567890", U"9912345678909",
       U"", 5},
      {"UPC-Coupon: set C second code, its digits as the add-on", UpcCouponEncoding, U"03600029145", U"8110", 211,
       U"036000291452", U"036000291452", U"8110", 7},
  };
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = row.encode(row.data, row.addon, {});
    EXPECT_EQ(symbol->width, row.width) << row.source;
    EXPECT_EQ(symbol->encoded, row.encoded) << row.source;
    EXPECT_EQ(symbol->text, row.text) << row.source;
    EXPECT_EQ(symbol->addOn, row.addOn) << row.source;
    EXPECT_EQ(symbol->parts.size(), row.parts) << row.source;
  }
}

}  // namespace
}  // namespace kbc
