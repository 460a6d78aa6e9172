// The documents' in-place clean-up against the plain search-and-replace it
// stands for: every string of up to ten characters from the ones that matter
// and a bystander (the word-wide search steps eight at a time), and longer
// random ones.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/string_ops.h"

namespace kbc {
namespace {

constexpr std::string_view kAlphabet(" \na", 3);
struct PairRow {
  std::string_view pair;
  char with;
};
constexpr PairRow kRows[] = {{"  ", ' '}, {"\n ", '\n'}, {" \n", '\n'}};

void ExpectSameAsReplaceAll(const std::string& text, const PairRow& row) {
  std::string expected = text;
  ReplaceAll(expected, row.pair, std::string(1, row.with));
  std::string actual = text;
  ReplacePair(actual, row.pair, row.with);
  ASSERT_EQ(actual, expected) << "text \"" << text << "\", pair \"" << row.pair << "\"";
}

TEST(ReplacePair, EqualsReplaceAllOnEveryShortString) {
  for (const PairRow& row : kRows) {
    for (std::size_t length = 0; length <= 10; ++length) {
      std::size_t count = 1;
      for (std::size_t i = 0; i < length; ++i) count *= kAlphabet.size();
      for (std::size_t code = 0; code < count; ++code) {
        std::string text;
        for (std::size_t rest = code, i = 0; i < length; ++i, rest /= kAlphabet.size()) {
          text += kAlphabet[rest % kAlphabet.size()];
        }
        ExpectSameAsReplaceAll(text, row);
      }
    }
  }
}

TEST(ReplacePair, EqualsReplaceAllOnLongRandomStrings) {
  std::mt19937 random(7);
  for (const PairRow& row : kRows) {
    for (int i = 0; i < 2000; ++i) {
      std::string text(random() % 200, ' ');
      for (char& c : text) c = kAlphabet[random() % kAlphabet.size()];
      ExpectSameAsReplaceAll(text, row);
    }
  }
}

}  // namespace
}  // namespace kbc
