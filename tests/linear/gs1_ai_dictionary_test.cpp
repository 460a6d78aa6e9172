// Every AI of GS1's syntax dictionary against values built by the table's
// generator from GS1's rules, apart from the C++ checks: each AI takes its
// valid value and refuses its malformed one for the reason broken.
#include <gtest/gtest.h>

#include <string>

#include "core/string_ops.h"
#include "gs1_ai_examples.h"
#include "linear/gs1_ai_table.h"
#include "linear/gs1_element_string.h"

namespace kbc {
namespace {

std::string Refusal(const std::string& ai, const std::string& value) {
  return ParseGs1ElementString(Widen("(" + ai + ")" + value)).refusal;
}

// AIs whose code lists we do not hold: refused, the unchecked list named.
bool Unchecked(const std::string& ai) { return ai == "7041" || ai == "8110" || ai == "8112"; }

TEST(Gs1AiDictionary, HoldsEveryAiOfTheDictionary) {
  EXPECT_GE(Gs1AiCount(), 400u);
  EXPECT_EQ(Gs1AiCount(), 541u);  // data/gs1-syntax-dictionary.txt, ranges counted out
}

TEST(Gs1AiDictionary, EachAiTakesItsValidValueAndRefusesItsMalformedOne) {
  std::size_t checked = 0;
  for (const test::Gs1AiExample& row : test::kGs1AiExamples) {
    for (int number = std::stoi(row.first); number <= std::stoi(row.last); ++number) {
      std::string ai = std::to_string(number);
      ai.insert(0, std::string(row.first).size() - ai.size(), '0');
      SCOPED_TRACE("AI " + ai);
      const std::string accepted = Refusal(ai, row.valid);
      const std::string refused = Refusal(ai, row.malformed);
      if (Unchecked(ai)) {
        EXPECT_NE(accepted.find("is not checked"), std::string::npos) << accepted;
        continue;
      }
      EXPECT_EQ(accepted, "") << row.valid;
      EXPECT_TRUE(refused.starts_with("AI (" + ai + ")")) << row.malformed << ": " << refused;
      EXPECT_NE(refused.find(row.refusalWords), std::string::npos) << row.malformed << ": " << refused;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 538u);
}

}  // namespace
}  // namespace kbc
