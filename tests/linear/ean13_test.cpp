// EAN-13 and UPC-A encoding against published and independently generated answers.
#include <gtest/gtest.h>

#include <string>

#include "linear/ean13.h"
#include "linear/ean_tables.h"

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

}  // namespace
}  // namespace kbc
