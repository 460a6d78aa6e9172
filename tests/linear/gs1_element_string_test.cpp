// GS1 element strings: the AI table against published examples, the refusal
// of each kind of wrong data, and the encoded and printed forms.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "linear/gs1_ai_table.h"
#include "linear/gs1_element_string.h"
#include "core/string_ops.h"

namespace kbc {
namespace {

std::u32string Wide(std::string_view s) { return Widen(s); }

struct Example {
  const char* source;
  const char* elementString;
};

// The GS1 General Specifications' own GTIN and SSCC examples and the DataBar
// Expanded example of ISO/IEC 24724, then strings built on those numbers for
// the other formats (check digits computed by hand); each must pass the table.
const Example kPublishedExamples[] = {
    {"GenSpecs GTIN-14 example", "(01)09501101530003"},
    {"GenSpecs SSCC example", "(00)106141411234567897"},
    {"ISO/IEC 24724 Expanded example", "(01)98898765432106(3202)012345(15)991231"},
    {"batch X..20 with its hyphen", "(01)09501101530003(10)AB-123"},
    {"expiry date with day 00", "(17)250100"},
    {"net weight N6 with 2 decimals", "(01)09501101530003(3102)000400"},
    {"GDTI N13+X..17", "(253)9501101530003ABC"},
    {"country N3, count N..8, units N..8", "(422)840(30)12(37)24"},
};

TEST(Gs1AiTable, PublishedExamplesPass) {
  for (const Example& e : kPublishedExamples) {
    const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(Wide(e.elementString));
    EXPECT_TRUE(parsed) << parsed.refusal << e.source << ": " << e.elementString;
  }
}

TEST(Gs1AiTable, PredefinedLengthsFollowTheirFirstTwoDigits) {
  for (const char* ai : {"00", "01", "11", "17", "20", "3103", "3202", "410", "414"}) EXPECT_TRUE(Gs1HasPredefinedLength(ai)) << ai;
  for (const char* ai : {"10", "21", "22", "30", "37", "392n", "400", "421", "8004", "90"}) EXPECT_FALSE(Gs1HasPredefinedLength(ai)) << ai;
  EXPECT_FALSE(FindGs1Ai("3106").has_value());  // decimal positions go to 5 only
  EXPECT_TRUE(FindGs1Ai("3105").has_value());
}

struct Refusal {
  const char* kind;
  const char* elementString;
  const char* message;
};

// ctest shows the case by its data, not as bytes.
void PrintTo(const Refusal& row, std::ostream* out) { *out << row.elementString; }

const Refusal kRefusals[] = {
    {"UnknownAi", "(05)123", "AI (05) is not a GS1 application identifier"},
    {"TooShort", "(01)0950110153000", "AI (01) takes 14 characters (got 13)"},
    {"TooLong", "(10)ABCDEFGHIJKLMNOPQRSTU", "AI (10) takes 1 to 20 characters (got 21)"},
    {"LetterInNumericField", "(01)0950110153000A", "AI (01) cannot hold \"A\"; it takes digits only"},
    {"OutsideSet82", "(10)AB#1", "AI (10) cannot hold \"#\"; it takes digits, letters and !\"%&'()*+,-./:;<=>?_"},
    {"OutsideSet39", "(8010)ab", "AI (8010) cannot hold \"a\"; it takes digits, capitals and # - /"},
    {"GtinCheckDigit", "(01)09501101530004", "AI (01) check digit is 4, it should be 3"},
    {"MonthThirteen", "(17)251301", "AI (17) date 251301 is not a date YYMMDD"},
    {"LeapDayInCommonYear", "(11)250229", "AI (11) date 250229 is not a date YYMMDD"},
    {"DayZeroWhereNotAllowed", "(7006)250100", "AI (7006) date 250100 is not a date YYMMDD"},
    {"NoLeadingAi", "0109501101530003", "GS1 data must begin with an application identifier in parentheses, such as (01)"},
    {"UnclosedAi", "(01", "an application identifier is not closed"},
    {"LettersInAi", "(0A)1", "an application identifier must be digits only"},
    {"FiveDigitAi", "(12345)1", "an application identifier has 2 to 4 digits"},
    {"EmptyField", "(10)(21)A", "AI (10) takes 1 to 20 characters (got 0)"},
    {"NonAscii", "(10)\xC3\xA9", "AI (10) cannot hold a character outside ASCII"},
};

class Gs1Refusal : public testing::TestWithParam<Refusal> {};

TEST_P(Gs1Refusal, NamesTheReason) {
  std::u32string text;
  if (std::string_view(GetParam().kind) == "NonAscii") {
    text = U"(10)\u00E9";
  } else {
    text = Wide(GetParam().elementString);
  }
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(text);
  EXPECT_EQ(parsed.refusal, GetParam().message);
  EXPECT_FALSE(parsed);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Gs1Refusal, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.kind); });

// FNC1 (here "#") ends a variable-length field unless it is the last; square
// brackets mark identifiers too, and then parentheses are data.
TEST(Gs1ElementString, FncOneOnlyAfterVariableLengthFieldsThatAreNotLast) {
  const std::pair<std::u32string_view, std::string_view> rows[] = {
      {U"(01)09501101530003(17)250101(10)ABC123(21)XYZ", "01095011015300031725010110ABC123#21XYZ"},
      {U"(10)ABC(01)09501101530003(21)X", "10ABC#010950110153000321X"},
      {U"[10]A(1)[21]B", "10A(1)#21B"},
  };
  for (const auto& [data, joined] : rows) {
    const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(data);
    ASSERT_TRUE(parsed) << parsed.refusal;
    EXPECT_EQ(Gs1JoinedFields(*parsed, '#'), joined);
  }
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(rows[0].first);
  EXPECT_EQ(Gs1HumanReadable(*parsed), "(01)09501101530003(17)250101(10)ABC123(21)XYZ");
  EXPECT_EQ(Gs1DataCharacterCount(*parsed), 37u);
}

}  // namespace
}  // namespace kbc
