// Code 128 set choice, symbol values, check characters and element widths.
#include "linear/code128.h"

#include <gtest/gtest.h>

#include "support/zint_dump.h"

#include <string>
#include <vector>

namespace kbc {
namespace {

// Dark and light modules as hexadecimal digits, four modules each, the last
// digit padded with light modules.
std::string ModulesAsHex(const ElementWidths& elements) {
  std::string bits = test::ElementsAsModules(elements);
  bits.resize((bits.size() + 3) / 4 * 4, '0');
  std::string hex;
  for (std::size_t i = 0; i < bits.size(); i += 4) hex += "0123456789ABCDEF"[std::stoi(bits.substr(i, 4), nullptr, 2)];
  return hex;
}

// Each character is eleven modules in six elements; some read from ISO/IEC 15417 Table 1.
TEST(Code128Patterns, TableValuesAndElevenModulesEach) {
  for (std::size_t value = 0; value < 106; ++value) {
    int modules = 0;
    for (const char width : Code128Patterns[value]) modules += width - '0';
    EXPECT_EQ(modules, 11) << value;
    EXPECT_EQ(Code128Patterns[value].size(), 6u) << value;
  }
  const std::pair<std::size_t, std::string_view> named[] = {{0, "212222"},   {1, "222122"},   {102, "411131"},
                                                            {103, "211412"}, {104, "211214"}, {105, "211232"},
                                                            {106, "2331112"}};
  for (const auto& [value, pattern] : named) EXPECT_EQ(Code128Patterns[value], pattern);
}

// width: the image's, the modules and 10 units of quiet zone each side. Checks
// not given in the worked examples were summed by hand.
TEST(Code128, SetChoiceValuesAndCheck) {
  const struct {
    const char* source;
    std::u32string_view data;
    bool fnc1;
    CodeSet codeSet;
    std::vector<int> values;
    int width;
  } rows[] = {
      {"worked example", U"123456", false, CodeSet::C, {105, 12, 34, 56, 44, 106}, 88},
      {"worked example", U"12345", false, CodeSet::A, {103, 17, 18, 19, 20, 21, 89, 106}, 110},
      {"worked example", U"ABC", false, CodeSet::A, {103, 33, 34, 35, 0, 106}, 88},
      {"worked example", U"Abc", false, CodeSet::B, {104, 33, 66, 67, 58, 106}, 88},
      {"worked example: empty set B", U"\u00E9", false, CodeSet::B, {104, 1, 106}, 55},
      {"worked example: FNC1 weighs 1", U"\u00E9", true, CodeSet::B, {104, 102, 0, 106}, 66},
      {"set C around a dropped character", U"12\u00E934", false, CodeSet::C, {105, 12, 34, 82, 106}, 77},
      {"set B drops control characters", U"A-\t1", false, CodeSet::B, {104, 33, 13, 17, 8, 106}, 88},
      {"DEL is the last set-B character", U"a\u007F", false, CodeSet::B, {104, 65, 95, 50, 106}, 77},
  };
  for (const auto& row : rows) {
    const Code128Symbol symbol = EncodeCode128(row.data, row.fnc1);
    EXPECT_EQ(symbol.codeSet, row.codeSet) << row.source;
    EXPECT_EQ(symbol.values, row.values) << row.source;
    EXPECT_EQ(Code128ModuleCount(symbol) + 20, row.width) << row.source;
  }
}

TEST(Code128, ModulesMatchAnIndependentEncoder) {
  const struct {
    const char* source;
    Code128Symbol symbol;
    std::string_view hexModules;
    int width;  // worked examples for EAN-14 and EAN-18
  } rows[] = {
      {"zint 2.11 --dump -b 20 -d 123456", EncodeCode128(U"123456", false), "D396722C7168DD8EB", 88},
      {"zint 2.11 --dump -b 16 --gs1 -d [01]01234567890123",  // 13 digits padded to 14
       EncodeFixedLengthGs1(U"01", FixedLengthGs1Digits(U"1234567890123", 14)),
       "D39EBB3666CEDD762166DECD9DBB3963AC", 154},
      {"zint 2.11 --dump -b 16 --gs1 -d [00]123456789012345678",
       EncodeFixedLengthGs1(U"00", FixedLengthGs1Digits(U"123456789012345678", 18)),
       "D39EBB6659C8B1C5B0A6F6B391638B614C258EB", 176},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ModulesAsHex(Code128Elements(row.symbol)), row.hexModules) << row.source;
    EXPECT_EQ(Code128ModuleCount(row.symbol) + 20, row.width) << row.source;
  }
}

}  // namespace
}  // namespace kbc
