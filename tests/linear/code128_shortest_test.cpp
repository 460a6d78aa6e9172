// The shortest Code 128 symbol: known answers, and never wider than zint's
// GS1-128 for random valid element strings, nor than zint's Code 128 for
// random text under -code128 shortest, which ZXingReader reads back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "linear/code128.h"
#include "linear/code128_shortest.h"
#include "linear/gs1_element_string.h"
#include "render/linear_frame.h"
#include "support/draws.h"
#include "support/gs1_samples.h"
#include "support/random_round_trip.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

std::vector<int> Characters(std::string_view text) {
  std::vector<int> characters;
  for (const char c : text) characters.push_back(c == '\x1D' ? kGs1Fnc1 : static_cast<unsigned char>(c));
  return characters;
}

// Reads symbol values back as ISO/IEC 15417 defines them (start, latches,
// shift, FNC1, digit pairs in set C), up to the check character.
std::string Decode(const std::vector<int>& values) {
  int set = values.front() - 103;  // 0 A, 1 B, 2 C
  std::string text;
  bool shifted = false;
  for (std::size_t i = 1; i + 2 < values.size(); ++i) {
    const int v = values[i];
    const int current = shifted ? 1 - set : set;
    shifted = false;
    if (v == 102) {
      text.push_back('\x1D');
    } else if (current == 2) {
      if (v < 100) text += std::string(1, char('0' + v / 10)) + char('0' + v % 10);
      else set = v == 100 ? 1 : 0;
    } else if (v == 98) {
      shifted = true;
    } else if (v == 99) {
      set = 2;
    } else if (v == 100 || v == 101) {
      set = current == 0 ? (v == 100 ? 1 : -1) : (v == 101 ? 0 : -1);  // FNC4 is never written
      if (set < 0) return "FNC4";
    } else {
      text.push_back(char(current == 0 && v >= 64 ? v - 64 : v + 32));
    }
  }
  return text;
}

struct KnownAnswer {
  const char* name;
  std::string text;    // GS is FNC1
  std::size_t length;  // fewest symbol characters between start and check, worked by hand
};

// ctest shows the case by its data, not as bytes.
void PrintTo(const KnownAnswer& row, std::ostream* out) { *out << row.name; }

const KnownAnswer kKnownAnswers[] = {
    {"DigitsInSetC", "\x1D" "0109", 3},
    {"OddDigitsCostOneMore", "\x1D" "123", 4},
    {"ShiftForOneControlCharacter", "ab\x01" "cd", 6},
    {"LatchToCForFourDigits", "A1234", 4},
    {"FncOneInSetC", "\x1D" "10AB\x1D" "2112", 9},
    {"GtinDateBatch", "\x1D" "01095011015300031725010110ABC123\x1D" "21XYZ", 27},
};

class Code128ShortestKnownAnswer : public testing::TestWithParam<KnownAnswer> {};

TEST_P(Code128ShortestKnownAnswer, FewestCharactersAndReadsBack) {
  const std::vector<int> values = EncodeCode128Shortest(Characters(GetParam().text));
  ASSERT_GE(values.size(), 3u);
  EXPECT_EQ(values.size() - 3, GetParam().length);
  EXPECT_EQ(Decode(values), GetParam().text);
  EXPECT_EQ(values.back(), kCode128Stop);
}

INSTANTIATE_TEST_SUITE_P(Cases, Code128ShortestKnownAnswer, testing::ValuesIn(kKnownAnswers),
                         [](const testing::TestParamInfo<KnownAnswer>& info) { return std::string(info.param.name); });

TEST(Code128Shortest, RefusesAValueBeyondItsSets) {
  EXPECT_TRUE(EncodeCode128Shortest(std::vector<int>{200}).empty());
}

// zint's modules from the start's first bar to the stop's termination bar.
std::size_t ZintWidth(const std::string& elementString) {
  const std::vector<std::string> rows = test::ZintModuleRows({"-b", "16", "--gs1", "--gs1parens", "-d", elementString});
  if (rows.empty()) return 0;
  return rows[0].find_last_of('1') + 1;
}

TEST(Code128Shortest, NeverWiderThanZintOverRandomElementStrings) {
  std::mt19937 random(test::kGs1SampleSeed);
  int narrower = 0;
  for (int i = 0; i < 120; ++i) {
    const std::string element = test::RandomElementString(random);
    SCOPED_TRACE(element);
    const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(std::u32string(element.begin(), element.end()));
    ASSERT_TRUE(parsed) << parsed.refusal;
    std::vector<int> characters = {kGs1Fnc1};
    for (const int c : Gs1EncodedCharacters(*parsed)) characters.push_back(c);
    const std::vector<int> values = EncodeCode128Shortest(characters);
    const std::size_t ours = 11 * (values.size() - 1) + 13;
    const std::size_t theirs = ZintWidth(element);
    ASSERT_GT(theirs, 0u);
    EXPECT_LE(ours, theirs);
    EXPECT_EQ(Decode(values), std::string("\x1D") + Gs1JoinedFields(*parsed, '\x1D'));
    narrower += ours < theirs ? 1 : 0;
  }
  RecordProperty("narrower_than_zint", narrower);
}

SymbolOptions Shortest() {
  SymbolOptions options;
  options.code128Shortest = true;
  return options;
}
const SymbolOptions kShortest = Shortest();

int ShortestModules(std::string_view data, bool fnc1) {
  const std::u32string text(data.begin(), data.end());
  const Result<EncodedSymbol> symbol = fnc1 ? Ean128Encoding(text, U"", kShortest) : Code128Encoding(text, U"", kShortest);
  return symbol ? ModuleCount(symbol->elements) : 0;
}

// The examples: one set for all takes 156 and 244 modules.
TEST(Code128ShortestOption, KnownWidths) {
  EXPECT_EQ(ShortestModules("LOT12345678", false), 123);
  EXPECT_EQ(ShortestModules("ABC1234567890123456", false), 167);
  EXPECT_EQ(ModuleCount(Code128Encoding(U"LOT12345678", U"", {})->elements), 156);
  EXPECT_EQ(ShortestModules("1234", true), 68);  // start C, FNC1, 12, 34, check, stop
}

// Runs of digits among capitals, lower case and control characters, where
// the choice of sets matters; never starting or ending in a space, which the
// data's trim would take.
std::vector<test::RoundTripCase> RandomTexts() {
  test::Draws draws(20270101);
  std::vector<test::RoundTripCase> cases;
  for (int i = 0; i < 300; ++i) {
    std::string text;
    const int runs = draws.Between(1, 6);
    for (int r = 0; r < runs; ++r) {
      const int length = draws.Between(1, 9);
      const int kind = draws.Below(4);
      for (int k = 0; k < length; ++k) {
        if (kind == 0) text.push_back(char('0' + draws.Below(10)));
        if (kind == 1) text.push_back(char('A' + draws.Below(26)));
        if (kind == 2) text.push_back(char(draws.Between(33, 126)));
        if (kind == 3) text.push_back(char(draws.OneIn(2) ? draws.Between(1, 8) : draws.Between(14, 31)));
      }
    }
    cases.push_back({"mixed", text});
  }
  return cases;
}

TEST(Code128ShortestOption, NeverWiderThanZintAndReadBack) {
  const std::vector<test::RoundTripCase> cases = RandomTexts();
  int narrower = 0;
  for (const test::RoundTripCase& c : cases) {
    const std::vector<std::string> rows = test::ZintModuleRows({"-b", "20", "-d", c.bytes});
    ASSERT_FALSE(rows.empty()) << c.bytes;
    const int theirs = int(rows[0].find_last_of('1') + 1);
    const int ours = ShortestModules(c.bytes, false);
    EXPECT_GT(ours, 0) << c.bytes;
    EXPECT_LE(ours, theirs) << c.bytes;
    narrower += ours < theirs ? 1 : 0;
  }
  RecordProperty("narrower_than_zint", narrower);
  test::ExpectRoundTrips({"-type", "Code-128", "-code128", "shortest"}, "Code128", cases);
}

}  // namespace
}  // namespace kbc
