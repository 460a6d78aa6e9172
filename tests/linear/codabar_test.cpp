// Codabar characters, start and stop letters, widths and the default text.
#include "linear/codabar.h"

#include <gtest/gtest.h>

#include "core/symbology.h"
#include "support/recording_target.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

// Seven elements, two or three of them wide: 12 units with the gap for digits,
// "-" and "$", 14 for the other signs and the letters.
TEST(CodabarPatterns, WidthsByCharacter) {
  for (std::size_t i = 0; i < kCodabarCharacters.size(); ++i) {
    const int width = ModuleCount(CodabarElements(kCodabarCharacters.substr(i, 1)));
    EXPECT_EQ(width, i < 12 ? 12 : 14) << i;
  }
}

TEST(Codabar, StartStopFilterAndWidth) {
  const struct {
    const char* source;
    std::u32string data;
    std::u32string characters;
    int width;
  } rows[] = {
      {"123 is drawn a123b: 14 + 3 x 12 + 14", U"123", U"a123b", 64},
      {"given letters kept, turned to lower case", U"C12D", U"c12d", 52},
      {"other characters dropped, signs 14", U"1+x2", U"a1+2b", 66},
  };
  for (const auto& row : rows) {
    const std::u32string characters = CodabarCharacters(WithCodabarStartStop(row.data));
    EXPECT_EQ(characters, row.characters) << row.source;
    EXPECT_EQ(ModuleCount(CodabarElements(characters)), row.width) << row.source;
  }
}

// The default text shows the letters: a123b at x 5, 12, 19, 26, 33 on baseline
// 7; the bars stand on 16.
TEST(Codabar, DefaultTextAndBarBottom) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kCodabar;
  settings.data = U"123";
  settings.showText = 1;
  test::RecordingTarget target;
  RenderCodabar(&target, settings);
  std::u32string shown;
  std::vector<double> xs;
  for (const test::RecordedCall& call : target.Only("text")) {
    shown += call.text;
    xs.push_back(call.a);
    EXPECT_EQ(call.b, 7);
  }
  EXPECT_EQ(shown, U"a123b");
  EXPECT_EQ(xs, (std::vector<double>{5, 12, 19, 26, 33}));
  for (const test::RecordedCall& bar : target.Only("fillrect")) EXPECT_TRUE(bar.b == 16 && bar.d == 32);
}

// zint draws Codabar with wide elements of another width: the sequences agree.
TEST(Codabar, ElementsMatchZint) {
  for (const std::string data : {"A123B", "C-$:/.+D", "A0123456789B"}) {
    const std::vector<std::string> rows = test::ZintModuleRows({"-b", "18", "-d", data});
    ASSERT_EQ(rows.size(), 1u) << data;
    const std::u32string ours(data.begin(), data.end());
    EXPECT_EQ(test::NarrowWideSequence(rows[0]),
              test::NarrowWideSequence(test::ElementsAsModules(CodabarElements(CodabarCharacters(ours)))))
        << data;
  }
}

}  // namespace
}  // namespace kbc
