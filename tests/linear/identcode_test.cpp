// Identcode check digits, its printed grouping and its bars against zint.
#include "linear/identcode.h"

#include <gtest/gtest.h>

#include "core/symbology.h"
#include "linear/two_of_five.h"
#include "support/recording_target.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

TEST(Identcode, CheckDigitAndText) {
  const struct {
    const char* source;
    std::u32string data;
    std::u32string digits;
    std::u32string grouped;
  } rows[] = {
      {"4 x 26 + 9 x 20 = 284: check 6", U"12345678901", U"123456789016", U"12.345 678.901 6"},
      {"padded to 00563102430: 4 x 12 + 9 x 12 = 156, check 4", U"563102430", U"005631024304",
       U"00.563 102.430 4"},
      {"a multiple of 10 gives 0", U"00000000000", U"000000000000", U"00.000 000.000 0"},
      {"a given check digit is cut and recomputed", U"123456789019", U"123456789016", U"12.345 678.901 6"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(IdentcodeDigits(row.data), row.digits) << row.source;
    EXPECT_EQ(GroupedIdentcode(row.digits), row.grouped) << row.source;
  }
}

// A given display text only switches the grouping off; the text is set at 0.7
// of the font size from x 7, 7 apart, on baseline 4; the bars end at 121.
TEST(Identcode, DisplayTextShowsTheDigitsUngrouped) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kIdentcode;
  settings.data = U"12345678901";
  settings.displayText = U"XYZ";
  settings.showText = 1;
  test::RecordingTarget target;
  RenderIdentcode(&target, settings);
  std::u32string shown;
  for (const test::RecordedCall& call : target.Only("text")) shown += call.text;
  EXPECT_EQ(shown, U"123456789016");
  const test::RecordedCall last = target.Only("text").back();
  EXPECT_TRUE(last.a == 7 + 7 * 11 && last.b == 4 && last.fontSize == 0.7 * settings.fontSize);
  const test::RecordedCall lastBar = target.Only("fillrect").back();
  EXPECT_EQ(lastBar.a + lastBar.c, 121);
}

// zint's Deutsche Post Identcode computes the same check digit and draws the
// same interleaved bars.
TEST(Identcode, BarsMatchZint) {
  for (const std::u32string data : {U"12345678901", U"56310243031", U"99999999999"}) {
    const std::string ascii(data.begin(), data.end());
    const std::vector<std::string> rows = test::ZintModuleRows({"-b", "22", "-d", ascii});
    ASSERT_EQ(rows.size(), 1u) << ascii;
    const std::string ours = test::ElementsAsModules(InterleavedElements(IdentcodeDigits(data), Interleaved25Patterns));
    EXPECT_EQ(test::NarrowWideSequence(rows[0]), test::NarrowWideSequence(ours)) << ascii;
  }
}

}  // namespace
}  // namespace kbc
