// EAN-8 digits and the UPC-E zero-suppression expansion, check digit and sets.
#include "linear/ean8_upce.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "support/zint_dump.h"

namespace kbc {
namespace {

TEST(Ean8, Digits) {
  const struct {
    const char* source;
    std::u32string_view data, digits;
  } rows[] = {
      {"worked example", U"9638507", U"96385074"},
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

std::string JoinedParts(const EncodedSymbol& symbol) {
  return std::accumulate(symbol.parts.begin(), symbol.parts.end(), std::string());
}

TEST(Ean8Encoding, ModulesMatchAnIndependentEncoderAndWhatIsCarried) {
  const EncodedSymbol ean8 = Ean8Encoding(U"9638507", U"");
  EXPECT_EQ(ean8.encoded, U"96385074");
  EXPECT_EQ(ean8.text, U"96385074");
  const std::string modules = JoinedParts(ean8);
  EXPECT_EQ(modules.size(), 67u);
  EXPECT_EQ(test::ZintModuleRows({"-b", "13", "-d", "9638507"}).at(0).substr(0, modules.size()), modules);

  const EncodedSymbol velocity = EanVelocityEncoding(U"123456", U"");
  EXPECT_EQ(velocity.encoded, U"123456");  // as given: the warnings compare it with the data
  EXPECT_EQ(velocity.text, U"01234565");
}

TEST(UpcEEncoding, ModulesMatchAnIndependentEncoder) {
  const EncodedSymbol upcE = UpcEEncoding(U"0425261", U"");
  EXPECT_EQ(upcE.encoded, U"04252614");
  const std::string modules = JoinedParts(upcE);
  EXPECT_EQ(modules.size(), 51u);
  EXPECT_EQ(test::ZintModuleRows({"-b", "37", "-d", "0425261"}).at(0).substr(0, modules.size()), modules);
}

}  // namespace
}  // namespace kbc
