// Code 128 set choice, symbol values, check characters and element widths.
#include "core/symbology.h"
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

// Checks not given in the worked examples were summed by hand.
TEST(Code128, SetChoiceValuesAndCheck) {
  const struct {
    const char* source;
    std::u32string_view data;
    bool fnc1;
    CodeSet codeSet;
    std::vector<int> values;
  } rows[] = {
      {"worked example", U"123456", false, CodeSet::C, {105, 12, 34, 56, 44, 106}},
      {"worked example", U"12345", false, CodeSet::A, {103, 17, 18, 19, 20, 21, 89, 106}},
      {"worked example", U"ABC", false, CodeSet::A, {103, 33, 34, 35, 0, 106}},
      {"worked example", U"Abc", false, CodeSet::B, {104, 33, 66, 67, 58, 106}},
      {"worked example: empty set B", U"\u00E9", false, CodeSet::B, {104, 1, 106}},
      {"worked example: FNC1 weighs 1", U"\u00E9", true, CodeSet::B, {104, 102, 0, 106}},
      {"set C around a dropped character", U"12\u00E934", false, CodeSet::C, {105, 12, 34, 82, 106}},
      {"set B drops control characters", U"A-\t1", false, CodeSet::B, {104, 33, 13, 17, 8, 106}},
      {"DEL is the last set-B character", U"a\u007F", false, CodeSet::B, {104, 65, 95, 50, 106}},
  };
  for (const auto& row : rows) {
    const Code128Symbol symbol = EncodeCode128(row.data, row.fnc1);
    EXPECT_EQ(symbol.codeSet, row.codeSet) << row.source;
    EXPECT_EQ(symbol.values, row.values) << row.source;
  }
}

// The row encoders: width, the characters carried, the text shown and its layout.
TEST(Code128Encoding, RowsCarryWhatTheirSetTakes) {
  using Encoding = Encoder;
  const struct {
    const char* source;
    Encoding encode;
    std::u32string_view data;
    std::int64_t width;
    std::u32string_view encoded;
    std::u32string_view text;
    int layout;
  } rows[] = {
      {"odd digits in set A, full size", Code128Encoding, U"12345", 110, U"12345", U"12345", kCode128FullSizeText},
      {"set C drops what is above 127, text keeps it", Code128Encoding, U"12\u00E934", 77, U"1234", U"12\u00E934",
       kCode128SmallText},
      {"set B drops control characters", Code128Encoding, U"A-\t1", 88, U"A-1", U"A-\t1", kCode128FullSizeText},
      {"EAN-128: FNC1 adds a character", Ean128Encoding, U"1234", 88, U"1234", U"1234", kCode128SmallText},
      {"EAN-14: 13 digits padded for the text, carried as given", Ean14Encoding, U"1234567890123", 154,
       U"1234567890123", U"01234567890123", kCode128SmallText},
      {"EAN-18: one digit padded to 18", Ean18Encoding, U"7", 176, U"7", U"000000000000000007", kCode128SmallText},
  };
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = row.encode(row.data, U"", {});
    EXPECT_EQ(symbol.refusal, "") << row.source;
    EXPECT_EQ(symbol->width, row.width) << row.source;
    EXPECT_EQ(symbol->encoded, row.encoded) << row.source;
    EXPECT_EQ(symbol->text, row.text) << row.source;
    EXPECT_EQ(symbol->variant, row.layout) << row.source;
  }
}

// zint 2.11 --dump -b 16 --gs1 -d [00]123456789012345678; the golden files hold
// sets A, B and C and EAN-14.
TEST(Code128, ModulesMatchAnIndependentEncoder) {
  EXPECT_EQ(ModulesAsHex(Ean18Encoding(U"123456789012345678", U"", {})->elements), "D39EBB6659C8B1C5B0A6F6B391638B614C258EB");
}

}  // namespace
}  // namespace kbc
