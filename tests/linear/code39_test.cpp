// Code 39, Code 32 and PZN (drawn as Code 39), and Code 93: known answers and
// zint's element sequences.
#include "linear/code39.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/symbology.h"
#include "linear/code93.h"
#include "linear/pzn.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

// Known answers beside the golden files' cases: the image width, what the
// symbol carries (for the warnings to compare with the data given) and shows.
TEST(NineElementCodes, KnownAnswers) {
  using Encoding = Encoder;
  const struct {
    const char* source;
    Encoding encode;
    std::u32string_view data;
    std::int64_t width;
    std::u32string_view encoded, text;
  } rows[] = {
      {"Code 39 adds its stars", Code39Encoding, U"ABC", 79, U"*ABC*", U"*ABC*"},
      {"only the missing star is added", Code39Encoding, U"*ABC", 79, U"*ABC*", U"*ABC*"},
      {"+A +B +C: eight characters", Code39Encoding, U"abc", 127, U"*abc*", U"*abc*"},
      {"the dropped character leaves two stars", Code39Encoding, U"AB*\u00E9", 79, U"*AB**", U"*AB**"},
      {"Code 32 carries *0CSSBD*", Code32Encoding, U"1234567", 127, U"012345676", U"A012345676"},
      {"Code 93 has no pattern beyond ASCII: (+)A", Code93Encoding, U"\u00E9a", 55, U"a", U"\u00E9a"},
      {"nothing left: start, C, K, stop", Code93Encoding, U"\u00E9", 37, U"", U"\u00E9"},
      {"PZN gets its check digit", PznEncoding, U"1234567", 175, U"12345678", U"PZN - 12345678"},
      {"PZN pads to seven digits", PznEncoding, U"12", 175, U"00000129", U"PZN - 00000129"},
  };
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = row.encode(row.data, U"", {});
    EXPECT_EQ(symbol->width, row.width) << row.source;
    EXPECT_EQ(symbol->encoded, row.encoded) << row.source;
    EXPECT_EQ(symbol->text, row.text) << row.source;
  }
  const Result<EncodedSymbol> refused = PznEncoding(U"3", U"", {});
  EXPECT_EQ(refused.refusal,
            "PZN 0000003 has no valid check digit (its weighted sum leaves 10 modulo 11); check the number");
  EXPECT_FALSE(refused);
}

// zint 2.11 draws Code 39 wide elements 2 modules wide, so narrow/wide
// sequences are compared; Code 93 (type 25) modules are compared exactly.
// zint's extended Code 39 (type 9) writes "$ / + %" as pairs where we draw
// basic characters, and takes no "*": those go through its plain Code 39.
TEST(NineElementCodes, ElementsMatchZint) {
  const std::u32string basic = U"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%";
  std::vector<std::tuple<std::string, std::u32string, ElementWidths>> rows = {
      {"8", basic, Code39Encoding(basic, U"", {})->elements},
  };
  // Every code below 128; zint takes at most 85 Code 39 characters (fewer in Code 93).
  for (char32_t from = 0; from < 128; from += 30) {
    std::u32string part;
    for (char32_t c = from; c < 128 && c < from + 30; ++c) part.push_back(c);
    rows.emplace_back("25", part, Code93Encoding(part, U"", {})->elements);
    std::erase_if(part, [](char32_t c) { return std::u32string_view(U"$/+%*").find(c) != std::u32string_view::npos; });
    rows.emplace_back("9", part, Code39Encoding(part, U"", {})->elements);
  }
  for (const auto& [zintType, data, elements] : rows) {
    std::string escaped;  // every character as \xNN, so control characters reach zint intact
    for (const char32_t c : data) escaped += {'\\', 'x', "0123456789ABCDEF"[c / 16], "0123456789ABCDEF"[c % 16]};
    SCOPED_TRACE("zint -b " + zintType + " " + escaped);
    const std::vector<std::string> zint = test::ZintModuleRows({"-b", zintType, "--esc", "-d", escaped});
    ASSERT_EQ(zint.size(), 1u);
    const std::string ours = test::ElementsAsModules(elements);
    if (zintType == "25") {
      EXPECT_EQ(zint[0].substr(0, ours.size()), ours);
      EXPECT_EQ(zint[0].find('1', ours.size()), std::string::npos);
    } else {
      EXPECT_EQ(test::NarrowWideSequence(zint[0]), test::NarrowWideSequence(ours));
    }
  }
}

}  // namespace
}  // namespace kbc
