// ISBN, ISSN and ISMN numbers as EAN-13 digits, and their upper text line.
#include "linear/book_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/string_ops.h"
#include "linear/ean_tables.h"

namespace kbc {
namespace {

TEST(BookNumbers, EanDigits) {
  const struct {
    const char* source;
    std::u32string (*number)(std::u32string_view);
    std::u32string_view data;
    std::u32string_view digits;
  } rows[] = {
      {"worked example: old ISBN ending in X", IsbnDigits, U"030640615X", U"9780306406157"},
      {"13-digit ISBN with a wrong check digit", IsbnDigits, U"9780306406150", U"9780306406157"},
      {"11 digits: the first is dropped", IsbnDigits, U"10306406152", U"9780306406157"},
      {"9 digits are padded to an old number", IsbnDigits, U"306406152", U"9780306406157"},
      {"worked example: ISSN ending in X", IssnDigits, U"0317847X", U"9770317847001"},
      {"worked example: nine ISSN digits; check 106 by hand", IssnDigits, U"031784712", U"9770317847124"},
      {"short ISSN is padded to 8 and cut to 7; check 88 by hand", IssnDigits, U"317847", U"9770031784002"},
      {"fault mended: more than 13 ISSN digits", IssnDigits, U"977031784700155", U"9770317847001"},
      {"worked example: old ISMN with M", IsmnDigits, U"M230671187", U"9790230671187"},
      {"fault mended: 12-digit ISMN gets its check digit", IsmnDigits, U"979023067118", U"9790230671187"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.number(row.data), row.digits) << row.source;
}

// An X never reaches the symbol, whatever the length: there it would be a data
// digit that no set can draw.
TEST(BookNumbers, AlwaysThirteenDigitsWithTheirCheckDigit) {
  for (const auto number : {IsbnDigits, IssnDigits, IsmnDigits}) {
    for (const std::u32string_view data : {U"X", U"12345678X", U"97803064061X", U"03178471X", U"031784712345X", U"M",
                                           U"9780306406157123X", U"ISBN", U""}) {
      const std::u32string digits = number(data);
      ASSERT_EQ(digits.size(), 13u) << std::string(data.begin(), data.end());
      EXPECT_TRUE(std::ranges::all_of(digits, IsAsciiDigit)) << std::string(digits.begin(), digits.end());
      EXPECT_EQ(digits[12], char32_t(U'0' + EanCheckDigit(std::u32string_view(digits).substr(0, 12))));
    }
  }
}

// 15 and 17 characters take 0.9 of the font size, 18 only when an add-on leaves room.
TEST(BookNumbers, UpperLine) {
  const struct {
    const char* source;
    std::u32string_view word, text;
    bool hasAddOn;
    std::u32string_view line;
    double factor;
  } rows[] = {
      {"worked example", U"ISBN", U"0306406152", false, U"ISBN 0306406152", 0.9},
      {"worked example without add-on", U"ISBN", U"9780306406157", false, U"ISBN 9780306406157", 0.8},
      {"worked example with add-on", U"ISBN", U"9780306406157", true, U"ISBN 9780306406157", 0.9},
      {"worked example: the word stays", U"ISBN", U"ISBN 978-0-306-40615-7", false, U"ISBN 978-0-306-40615-7", 0.8},
      {"worked example: case-sensitive", U"ISBN", U"isbn 0306406152", false, U"ISBN isbn 0306406152", 0.8},
      {"17 characters", U"ISMN", U"M2306711870", false, U"ISMN M2306711870", 0.9},
  };
  for (const auto& row : rows) {
    const std::u32string line = BookUpperLine(row.word, row.text);
    EXPECT_EQ(line, row.line) << row.source;
    EXPECT_EQ(BookUpperLineSizeFactor(line.size(), row.hasAddOn), row.factor) << row.source;
  }
}

}  // namespace
}  // namespace kbc
