// Code 128 set choice, symbol values, check characters and element widths.
#include "linear/code128.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace kbc {
namespace {

int ModuleCount(std::string_view elements) {
  return std::accumulate(elements.begin(), elements.end(), 0, [](int sum, char w) { return sum + (w - '0'); });
}

// Dark and light modules as hexadecimal digits, four modules each, the last
// digit padded with light modules.
std::string ModulesAsHex(std::string_view elements) {
  std::string bits;
  for (std::size_t i = 0; i < elements.size(); ++i) bits.append(std::size_t(elements[i] - '0'), i % 2 == 0 ? '1' : '0');
  while (bits.size() % 4 != 0) bits.push_back('0');
  std::string hex;
  for (std::size_t i = 0; i < bits.size(); i += 4)
    hex.push_back("0123456789ABCDEF"[std::stoi(bits.substr(i, 4), nullptr, 2)]);
  return hex;
}

TEST(Code128Patterns, EveryCharacterIsElevenModulesAndTheStopThirteen) {
  for (std::size_t value = 0; value < 106; ++value) {
    EXPECT_EQ(Code128Patterns[value].size(), 6u) << value;
    EXPECT_EQ(ModuleCount(Code128Patterns[value]), 11) << value;
  }
  EXPECT_EQ(Code128Patterns[kCode128Stop], "2331112");
  // Start, FNC1 and the first values, read from ISO/IEC 15417 Table 1.
  const std::pair<int, std::string_view> named[] = {
      {0, "212222"}, {1, "222122"}, {102, "411131"}, {103, "211412"}, {104, "211214"}, {105, "211232"},
  };
  for (const auto& [value, pattern] : named) EXPECT_EQ(Code128Patterns[std::size_t(value)], pattern);
}

struct SymbolRow {
  const char* source;
  std::u32string_view data;
  bool fnc1;
  CodeSet codeSet;
  std::vector<int> values;  // start to stop
  int width;                // image width: the modules and 10 units of quiet zone each side
};

TEST(Code128, SetChoiceValuesAndCheck) {
  // Checks not given in the worked examples were summed by hand.
  const SymbolRow rows[] = {
      {"worked example", U"123456", false, CodeSet::C, {105, 12, 34, 56, 44, 106}, 88},
      {"worked example; check by hand", U"12345", false, CodeSet::A, {103, 17, 18, 19, 20, 21, 89, 106}, 110},
      {"worked example; check by hand", U"ABC", false, CodeSet::A, {103, 33, 34, 35, 0, 106}, 88},
      {"worked example; check by hand", U"Abc", false, CodeSet::B, {104, 33, 66, 67, 58, 106}, 88},
      {"worked example: empty set B", U"\u00E9", false, CodeSet::B, {104, 1, 106}, 55},
      {"worked example: FNC1 weighs 1", U"\u00E9", true, CodeSet::B, {104, 102, 0, 106}, 66},
      {"set C around a dropped character", U"12\u00E934", false, CodeSet::C, {105, 12, 34, 82, 106}, 77},
      {"set B drops control characters", U"A-\t1", false, CodeSet::B, {104, 33, 13, 17, 8, 106}, 88},
      {"DEL is the last set-B character", U"a\u007F", false, CodeSet::B, {104, 65, 95, 50, 106}, 77},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.source);
    const Code128Symbol symbol = EncodeCode128(row.data, row.fnc1);
    EXPECT_EQ(symbol.codeSet, row.codeSet);
    EXPECT_EQ(symbol.values, row.values);
    EXPECT_EQ(Code128ModuleCount(symbol) + 20, row.width);
  }
}

struct ModulesRow {
  const char* source;
  Code128Symbol symbol;
  std::string_view hexModules;
};

TEST(Code128, ModulesMatchAnIndependentEncoder) {
  const ModulesRow rows[] = {
      {"zint 2.11 --dump -b 20 -d 123456", EncodeCode128(U"123456", false), "D39672 2C7168DD8EB"},
      {"zint 2.11 --dump -b 16 --gs1 -d [01]01234567890123",
       EncodeFixedLengthGs1(U"01", FixedLengthGs1Digits(U"1234567890123", 14)), "D39EBB366 6CEDD762166DECD9DBB3963AC"},
      {"zint 2.11 --dump -b 16 --gs1 -d [00]123456789012345678",
       EncodeFixedLengthGs1(U"00", FixedLengthGs1Digits(U"123456789012345678", 18)),
       "D39EBB6659C8B1C5B0A6F6B391638B614C258EB"},
  };
  for (const auto& row : rows) {
    std::string expected(row.hexModules);
    std::erase(expected, ' ');
    EXPECT_EQ(ModulesAsHex(Code128Elements(row.symbol)), expected) << row.source;
  }
}

TEST(Code128, FixedLengthGs1Digits) {
  const struct {
    const char* source;
    std::u32string_view digits;
    std::size_t count;
    std::u32string_view fixed;
    int width;
  } rows[] = {
      {"worked example: 13 digits padded to 14, W 154", U"1234567890123", 14, U"01234567890123", 154},
      {"longer data keeps its first 14 digits", U"123456789012345", 14, U"12345678901234", 154},
      {"EAN-18 pads to 18 digits, W 176", U"5", 18, U"000000000000000005", 176},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.source);
    const std::u32string fixed = FixedLengthGs1Digits(row.digits, row.count);
    EXPECT_EQ(fixed, row.fixed);
    const Code128Symbol symbol = EncodeFixedLengthGs1(row.count == 14 ? U"01" : U"00", fixed);
    EXPECT_EQ(symbol.codeSet, CodeSet::C);
    EXPECT_EQ(symbol.values[1], kCode128Fnc1);
    EXPECT_EQ(Code128ModuleCount(symbol) + 20, row.width);
  }
}

}  // namespace
}  // namespace kbc
