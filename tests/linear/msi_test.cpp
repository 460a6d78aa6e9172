// MSI check digits, bit strings and bars against zint.
#include "linear/msi.h"

#include <gtest/gtest.h>

#include "core/symbology.h"
#include "support/recording_target.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

TEST(Msi, CheckDigitBitsAndWidth) {
  const struct {
    const char* source;
    std::u32string data;
    int check;
    std::string bits;
  } rows[] = {
      {"1234: 24 doubled 48, 4 + 8 + 3 + 1 = 16, check 4", U"1234", 4, "1" "0001" "0010" "0011" "0100" "0100" "00"},
      {"80523: 853 doubled 1706, 14 + 0 + 2 = 16, check 4", U"80523", 4,
       "1" "1000" "0000" "0101" "0010" "0011" "0100" "00"},
      {"separators are skipped", U"12-34", 4, "1" "0001" "0010" "0011" "0100" "0100" "00"},
      {"0 gives 0", U"0", 0, "1" "0000" "0000" "00"},
  };
  for (const auto& row : rows) {
    std::u32string digits = row.data;
    std::erase(digits, U'-');
    EXPECT_EQ(MsiCheckDigit(digits), row.check) << row.source;
    EXPECT_EQ(MsiBits(row.data), row.bits) << row.source;
  }
  // 12 × 4 + 19: the stop's last space lies outside the image.
  const ElementWidths elements = MsiElements(MsiBits(U"1234"));
  EXPECT_EQ(ModuleCount(elements) - elements.back(), 67);
}

// Long data: the doubled number has more digits than any integer holds.
TEST(Msi, CheckDigitOfLongData) {
  const std::u32string digits(250, U'9');
  // 125 nines doubled is 1 9...9 8 (124 nines): 1 + 124 x 9 + 8 = 1125; 1125 + 125 x 9 = 2250.
  EXPECT_EQ(MsiCheckDigit(digits), 0);
}

// The text from x 5, 12 apart, on baseline 2; the bars stand on 13; trim 40 is
// capped at 30, leaving 18.
TEST(Msi, LayoutWithTrim) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kMsi;
  settings.data = U"1234";
  settings.showText = 1;
  settings.trim = 40;
  test::RecordingTarget target;
  RenderMsi(&target, settings);
  for (const test::RecordedCall& bar : target.Only("fillrect")) EXPECT_TRUE(bar.b == 13 && bar.d == 5);
  const test::RecordedCall last = target.Only("text").back();
  EXPECT_TRUE(last.a == 5 + 12 * 3 && last.b == 2);
}

// zint without its own check options, given our check digit, draws the same
// modules; with its modulo-10 option it finds the same check digit.
TEST(Msi, ModulesMatchZint) {
  for (const std::u32string data : {U"1234", U"80523", U"9876543210", U"7"}) {
    const std::string ascii(data.begin(), data.end());
    const std::string ours = test::ElementsAsModules(MsiElements(MsiBits(data)));
    const std::string withCheck = ascii + char('0' + MsiCheckDigit(data));
    for (const auto& args : {std::vector<std::string>{"-b", "47", "-d", withCheck},
                             std::vector<std::string>{"-b", "47", "--vers=1", "-d", ascii}}) {
      const std::vector<std::string> rows = test::ZintModuleRows(args);
      ASSERT_EQ(rows.size(), 1u) << ascii;
      EXPECT_EQ(rows[0].substr(0, ours.size() - 2), ours.substr(0, ours.size() - 2)) << ascii;
    }
  }
}

}  // namespace
}  // namespace kbc
