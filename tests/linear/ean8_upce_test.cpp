// EAN-8 digits and the UPC-E zero-suppression expansion, check digit and sets.
#include "linear/ean8_upce.h"

#include <gtest/gtest.h>

#include <string>

namespace kbc {
namespace {

TEST(Ean8, Digits) {
  const struct {
    const char* source;
    std::u32string_view data, digits;
  } rows[] = {
      {"a given check digit is recomputed", U"96385070", U"96385074"},
      {"worked example: EAN-Velocity keeps 6 digits, so a 0 leads", U"123456", U"01234565"},
      {"short data is padded; check 5·3 by hand", U"5", U"00000055"},
  };
  for (const auto& row : rows) EXPECT_EQ(Ean8Digits(row.data), row.digits) << row.source;
}

// Checks not given in the worked examples were computed by hand.
TEST(UpcE, ExpansionCheckDigitAndSets) {
  const struct {
    const char* source;
    std::u32string_view data, expansion;
    char32_t check;
    std::string_view sets;
  } rows[] = {
      {"worked example, last digit 1", U"0425261", U"04210000526", U'4', "BABBAA"},
      {"worked example, number system 1", U"1425261", U"14210000526", U'1', "AABABB"},
      {"worked example, last digit 3", U"0123453", U"01230000045", U'1', "BBABAA"},
      {"last digit 4", U"0123444", U"01234000004", U'6', "BAAABB"},
      {"last digit 7", U"0123457", U"01234500007", U'2', "BBAABA"},
      {"an eighth (check) digit is dropped", U"04252619", U"04210000526", U'4', "BABBAA"},
      {"a leading digit above 1 takes the number-system-1 sets", U"5425261", U"54210000526", U'9', "ABBABA"},
      {"short data is padded to 0000123", U"123", U"00000000012", U'3', "BBAAAB"},
  };
  for (const auto& row : rows) {
    const UpcEDigits upcE = PrepareUpcE(row.data);
    EXPECT_EQ(upcE.expansion, row.expansion) << row.source;
    EXPECT_EQ(upcE.check, row.check) << row.source;
    EXPECT_EQ(upcE.sets, row.sets) << row.source;
  }
}

// What is carried is what the warnings compare with the data; the golden files
// hold the modules and text of EAN-8 9638507 and UPC-E 0425261.
TEST(Ean8UpcEEncoding, WhatIsCarried) {
  EXPECT_EQ(Ean8Encoding(U"9638507", U"", {})->encoded, U"96385074");
  EXPECT_EQ(UpcEEncoding(U"0425261", U"", {})->encoded, U"04252614");
  const Result<EncodedSymbol> velocity = EanVelocityEncoding(U"123456", U"", {});
  EXPECT_EQ(velocity->encoded, U"123456");  // as given
  EXPECT_EQ(velocity->text, U"01234565");
}

}  // namespace
}  // namespace kbc
