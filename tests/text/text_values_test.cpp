// Number reading, argument text, Mac OS Roman and UTF-8.
#include <gtest/gtest.h>

#include <limits>

#include "text/argument_text.h"
#include "text/mac_roman.h"
#include "text/number_text.h"
#include "text/utf8.h"

namespace kbc {
namespace {

TEST(NumberText, LeadingNumberOfTheText) {
  const std::pair<std::u32string_view, std::int32_t> integers[] = {
      {U"42abc", 42}, {U"- 5", -5}, {U"--5", 0}, {U"+3", 3}, {U"0x1F", 0}, {U"", 0}, {U"1,5", 1}, {U"\u3000 9", 9},
      {U"99999999999", std::numeric_limits<std::int32_t>::max()},
      {U"-99999999999", std::numeric_limits<std::int32_t>::min()},
  };
  for (const auto& [text, value] : integers) EXPECT_EQ(IntegerValueOf(text), value);
  const std::pair<std::u32string_view, double> reals[] = {
      {U"1.5e2x", 150}, {U".5", 0.5}, {U"inf", 0}, {U"0x10", 0}, {U" -2.25", -2.25}, {U"1e-400", 0},
      {U"1e400", std::numeric_limits<double>::infinity()},
  };
  for (const auto& [text, value] : reals) EXPECT_EQ(DoubleValueOf(text), value);
}

// Shells pass UTF-8; other non-ASCII bytes are Mac OS Roman, one character each.
TEST(TextCodes, ArgumentsReadAsUtf8OnlyWhenWellFormed) {
  const struct {
    const char* why;
    std::string_view bytes;
    std::u32string_view text;
    bool utf8;
  } rows[] = {
      {"ASCII reads alike either way", "Cafe 5", U"Cafe 5", false},
      {"two- and three-byte sequences", "Caf\xC3\xA9 5 \xE2\x82\xAC", U"Caf\u00E9 5 \u20AC", true},
      {"a four-byte sequence", "\xF0\x9F\x93\xA6", U"\U0001F4E6", true},
      {"a single Mac OS Roman byte", "Caf\x8E", U"Caf\u00E9", false},
      {"an overlong slash", "\xC0\xAF", U"\u00BF\u00D8", false},
      {"an encoded surrogate", "\xED\xA0\x80", U"\u00CC\u2020\u00C4", false},
      {"a sequence cut short", "\xE2\x82", U"\u201A\u00C7", false},
  };
  for (const auto& row : rows) {
    const ArgumentText read = DecodeArgument(row.bytes);
    EXPECT_EQ(read.text, row.text) << row.why;
    EXPECT_EQ(read.utf8, row.utf8) << row.why;
  }
}

TEST(TextCodes, MacRomanAndUtf8RoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(char(b));
  const std::u32string text = DecodeMacRoman(all);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(EncodeMacRoman(text), all);
  EXPECT_EQ(EncodeMacRoman(U"\u2126"), std::string("\xBD"));  // Ohm sign shares omega's byte
  EXPECT_FALSE(EncodeMacRoman(U"\u4E00").has_value());
  EXPECT_EQ(FromUtf8(ToUtf8(U"a\u00E9\u20AC\U0001F600")), U"a\u00E9\u20AC\U0001F600");
  EXPECT_EQ(FromUtf8("\xE2\x82x"), U"\uFFFD\uFFFDx");
}

}  // namespace
}  // namespace kbc
