// Text lines measured and shaped: widths against Helvetica's published advance
// widths (Nimbus Sans, installed for "Helvetica", has the same metrics), and
// preferences files read as key=value lines.
#include <gtest/gtest.h>

#include "platform/fonts.h"
#include "platform/preferences.h"
#include "platform/text_layout.h"
#include "platform/utf8.h"

namespace kbc {
namespace {

// Sums of Helvetica advance widths in 1/1000 em: N 722, o 556, space 278, B 667,
// a 556, r 333, C 722, d 556, e 556, I 278, m 833, g 556, digits 556.
TEST(TextLayout, WidthsFollowTheFontsAdvances) {
  const std::tuple<std::u32string_view, double, double> rows[] = {
      {U"0123456789", 10, 55.6},
      {U"No BarCode Image", 14, 8559 * 14 / 1000.0},
      {U"I", 0, 278 * 12 / 1000.0},  // size 0 is 12 points
  };
  for (const auto& [text, size, width] : rows) {
    EXPECT_NEAR(MeasureText(text, U"Helvetica", size).width, width, 0.6) << ToUtf8(text);
  }
}

TEST(TextLayout, LineHeightGrowsWithSize) {
  const TextMetrics at10 = MeasureText(U"Ag", U"Helvetica", 10);
  const TextMetrics at20 = MeasureText(U"Ag", U"Helvetica", 20);
  EXPECT_GT(at10.height, 10);  // ascent + descent + leading exceed the em
  EXPECT_LT(at10.height, 14);
  EXPECT_DOUBLE_EQ(at20.height, 2 * at10.height);
  EXPECT_DOUBLE_EQ(MeasureText(U"Ag", U"Helvetica", 0).height, 1.2 * at10.height);
}

// Glyphs advance left to right along the baseline; a name that matches no font
// still shapes, in the fallback font.
TEST(TextLayout, ShapedGlyphsRunAlongTheBaseline) {
  FontLibrary fonts;
  for (const std::u32string_view name : {U"Helvetica", U"No Such Font Anywhere"}) {
    const FontFace* face = fonts.FaceFor(name);
    ASSERT_NE(face, nullptr);
    const TextLine line = face->Shape(U"5901", 10);
    ASSERT_EQ(line.glyphs.size(), 4u);
    for (std::size_t i = 1; i < line.glyphs.size(); ++i) {
      EXPECT_GT(line.glyphs[i].x, line.glyphs[i - 1].x);
      EXPECT_EQ(line.glyphs[i].y, 0);
    }
    EXPECT_GT(line.width, line.glyphs.back().x);
  }
}

TEST(Preferences, KeyValueLines) {
  const std::tuple<std::string_view, std::string_view, std::optional<std::string>> rows[] = {
      {"QZTXAuth=Ann\n", "QZTXAuth", "Ann"},
      {"other=1\r\n QZTXAuth\t= Ann Lee \r\n", "QZTXAuth", " Ann Lee "},  // value kept as written
      {"# QZTXAuth=hidden\nQZTXAuth=shown", "QZTXAuth", "shown"},
      {"QZTXAuth=first\nQZTXAuth=second\n", "QZTXAuth", "first"},
      {"QZTXAuth=a=b\n", "QZTXAuth", "a=b"},
      {"QZTXAuth=\n", "QZTXAuth", ""},
      {"QZTXAuthor=x\nQZTXAuth\n", "QZTXAuth", std::nullopt},
      {"", "QZTXAuth", std::nullopt},
  };
  for (const auto& [text, key, value] : rows) EXPECT_EQ(PreferenceValueIn(text, key), value) << text;
}

}  // namespace
}  // namespace kbc
