// Text lines measured and shaped: widths against Helvetica's published advance
// widths (Nimbus Sans, installed for "Helvetica", has the same metrics), and
// preferences files read as key=value lines.
#include <gtest/gtest.h>

#include "canvas/text_layout.h"
#include "files/preferences.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// Sums of Helvetica advance widths in 1/1000 em: N 722, o 556, space 278, B 667,
// a 556, r 333, C 722, d 556, e 556, I 278, m 833, g 556, digits 556. Size 0 is 12 points.
TEST(TextLayout, MetricsFollowTheFont) {
  const std::tuple<std::u32string_view, double, double> rows[] = {
      {U"0123456789", 10, 55.6},
      {U"No BarCode Image", 14, 8559 * 14 / 1000.0},
      {U"I", 0, 278 * 12 / 1000.0},
  };
  for (const auto& [text, size, width] : rows) {
    EXPECT_NEAR(MeasureText(text, U"Helvetica", size).width, width, 0.6) << ToUtf8(text);
  }
  const double at10 = MeasureText(U"Ag", U"Helvetica", 10).height;
  EXPECT_GT(at10, 10);  // ascent + descent + leading exceed the em
  EXPECT_LT(at10, 14);
  EXPECT_DOUBLE_EQ(MeasureText(U"Ag", U"Helvetica", 20).height, 2 * at10);
  EXPECT_DOUBLE_EQ(MeasureText(U"Ag", U"Helvetica", 0).height, 1.2 * at10);
}

TEST(Preferences, KeyValueLines) {
  const std::pair<std::string_view, std::optional<std::string>> rows[] = {
      {"QZTXAuth=Ann\n", "Ann"},
      {"other=1\r\n QZTXAuth\t= Ann Lee \r\n", " Ann Lee "},  // value kept as written
      {"# QZTXAuth=hidden\nQZTXAuth=shown", "shown"},
      {"QZTXAuth=first\nQZTXAuth=second\n", "first"},
      {"QZTXAuth=a=b\n", "a=b"},
      {"QZTXAuth=\n", ""},
      {"QZTXAuthor=x\nQZTXAuth\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, value] : rows) EXPECT_EQ(PreferenceValueIn(text, "QZTXAuth"), value) << text;
}

}  // namespace
}  // namespace kbc
