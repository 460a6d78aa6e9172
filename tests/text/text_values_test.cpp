// Number reading, argument text, Mac OS Roman and UTF-8.
#include <gtest/gtest.h>
#include <iconv.h>

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

// -encoding reads every argument one way, whatever its bytes would suggest.
TEST(TextCodes, ArgumentsReadInTheEncodingGiven) {
  const struct {
    TextEncoding encoding;
    std::string_view bytes;
    std::u32string_view text;
    bool utf8;  // the 2-D symbols then encode the text as UTF-8
  } rows[] = {
      {TextEncoding::Utf8, "Caf\xC3\xA9", U"Caf\u00E9", true},
      {TextEncoding::Utf8, "Caf\xE9", U"Caf\uFFFD", true},
      {TextEncoding::Windows1252, "\xE8\x80\xDF\x81", U"\u00E8\u20AC\u00DF\u0081", true},
      {TextEncoding::Latin1, "\xE8\x80\xDF", U"\u00E8\u0080\u00DF", true},
      {TextEncoding::MacRoman, "Caf\xC3\xA9", U"Caf\u221A\u00A9", false},
  };
  for (const auto& row : rows) {
    const ArgumentText read = DecodeArgument(row.bytes, row.encoding);
    EXPECT_EQ(read.text, row.text) << row.bytes;
    EXPECT_EQ(read.utf8, row.utf8) << row.bytes;
  }
}

// Every byte of Windows-1252 as the C library's iconv reads it; the five bytes
// it leaves unassigned read as the C1 controls of the same value.
TEST(TextCodes, Windows1252AgreesWithIconv) {
  const iconv_t converter = iconv_open("UTF-8", "CP1252");
  ASSERT_NE(converter, iconv_t(-1));
  for (int b = 1; b < 256; ++b) {
    char in[1] = {char(b)};
    char out[8] = {};
    char* inPointer = in;
    char* outPointer = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const bool assigned = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != std::size_t(-1);
    const std::u32string expected = assigned ? FromUtf8(std::string(out, outPointer)) : std::u32string(1, char32_t(b));
    EXPECT_EQ(DecodeArgument(std::string_view(in, 1), TextEncoding::Windows1252).text, expected) << b;
  }
  iconv_close(converter);
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
