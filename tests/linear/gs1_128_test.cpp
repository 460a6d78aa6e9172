// GS1-128 from element strings: the shortest symbol, its printed text and its refusals.
#include "linear/gs1_128.h"

#include <gtest/gtest.h>

#include <string>

#include "linear/code128.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

TEST(Gs1_128Encoding, ModulesMatchAnIndependentEncoder) {
  const std::u32string_view elementString = U"[01]09501101530003[17]250101";
  const Result<EncodedSymbol> symbol = Gs1_128Encoding(elementString, U"", {});
  ASSERT_EQ(symbol.refusal, "");
  // zint 2.11 --dump -b 16 --gs1: set C throughout, 12 digit pairs after FNC1.
  const std::string ours = test::ElementsAsModules(symbol->elements);
  const std::vector<std::string> zint = test::ZintModuleRows({"-b", "16", "--gs1", "-d", "[01]09501101530003[17]250101"});
  ASSERT_EQ(zint.size(), 1u);
  EXPECT_EQ(zint[0].substr(0, ours.size()), ours);
  EXPECT_EQ(ours.size(), 15u * 11 + 13);
  EXPECT_EQ(symbol->width, std::int64_t(ours.size()) + 20);
  EXPECT_EQ(symbol->text, U"(01)09501101530003(17)250101");
  EXPECT_EQ(symbol->encoded, elementString);  // warnings compare it with the data as given
  EXPECT_EQ(symbol->variant, kCode128CentredText);
}

TEST(Gs1_128Encoding, RefusalsSayWhy) {
  const struct {
    std::u32string_view elementString;
    std::string_view refusal;  // the start of it
  } rows[] = {
      {U"[01]09501101530003[10]ABCDEFGHIJKLMNOPQRST[21]ABCDEFGHIJKLMNOPQRST",
       "GS1-128 holds at most 48 data characters"},
      {U"0950110153000", "GS1 data must begin with an application identifier"},
  };
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = Gs1_128Encoding(row.elementString, U"", {});
    EXPECT_NE(symbol.refusal.find(row.refusal), std::string::npos) << symbol.refusal;
    EXPECT_FALSE(symbol);
  }
}

}  // namespace
}  // namespace kbc
