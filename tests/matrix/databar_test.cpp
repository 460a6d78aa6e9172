// GS1 DataBar front: the standard's figures, refusals, element-string syntax,
// the composite component's sizes and the grids' row heights.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "matrix/databar.h"
#include "matrix/databar_syntax.h"
#include "text/utf8.h"

namespace kbc {
namespace {

using Kind = DataBarKind;

// The distinct rows of data as a row takes it (before normalisation).
Result<DataBarSymbol> Encoded(Kind kind, std::u32string data) {
  NormaliseDataBarData(kind, data);
  return EncodeDataBar(kind, data);
}

// The standard's figures, module by module (ISO/IEC 24724:2011; GS1 General
// Specifications), rows top first.
TEST(DataBarModuleRows, StandardFigures) {
  const struct {
    const char* source;
    Kind kind;
    std::u32string data;
    std::vector<std::string> rows;
  } figures[] = {
      {"24724 Figure 1, Omnidirectional", Kind::kOmnidirectional, U"2001234567890",
       {"010100011101000001001111111000010100110110111110110000010010100101100000000111000110110110001101"}},
      {"24724 Figure 5, Stacked", Kind::kStacked, U"0001234567890",
       {"01010100100000000100111111100001011100101101111010", "00001010101011111010000000111010100011010010000000",
        "10111001010110000101111111000111001100111101110101"}},
      {"24724 Figure 6, Stacked Omnidirectional", Kind::kStackedOmnidirectional, U"0003456789012",
       {"01010100100000000100111110000001010011100110011010", "00001011011111111010000001010100101100011001100000",
        "00000101010101010101010101010101010101010101010000", "00001000100010111010010101010000111101001101110000",
        "10110111011101000101100000000111000010110010001101"}},
      {"24724 Figure 7, Limited", Kind::kLimited, U"1501234567890",
       {"01000110011000110110101001110100101011010011010010010110001101110011001101"}},
      {"24724 Figure 11, Expanded, (01) and weight in kg", Kind::kExpanded, U"01900123456789083103001750",
       {"0101110010000010011011111111000010111000010011000101011110111001100010111100000011100101110001110111011110101"
        "111000110001111110000101011000010011111010"}},
      {"24724 Figure F.3, Expanded, general-purpose field", Kind::kExpanded, U"1012A",
       {"010100000110100000101111111100001010001000000010110101111100100111001011110000000010011101111111010101"}},
      {"General Specifications Figure 5.9.8-8, Expanded with a 4-column CC-A", Kind::kExpanded,
       U"01937123456789043103001234|911A2B3C4D5E",
       {"00110110111011100110100110000111000111001101101001110100110100010000110001011011100110000011011000101000"
        "00000000000000000000000000000000000000000000000",
        "00110110110011011101111101000110100011110011001001100100101111110010011001001011111100111011001000101000"
        "00000000000000000000000000000000000000000000000",
        "00110110100010101110111111000111110110111100101001100110110000110100111101000010110011111011101000101000"
        "00000000000000000000000000000000000000000000000",
        "00000110111110110001000000001010010100000111010011101001100011001111010000101010000110100011100010001000"
        "01010000111001010000001010010111000110010110000",
        "01011001000001001110111111110000101011111000101100010110011100110000101111000000111001011100011101110111"
        "10101111000110001111110000101000111001101000010"}},
  };
  for (const auto& figure : figures) {
    const Result<DataBarSymbol> encoding = Encoded(figure.kind, figure.data);
    EXPECT_EQ((*encoding).rows, figure.rows) << figure.source;
  }
}

// Data the symbols cannot carry is refused with its reason, never drawn blank.
TEST(EncodeDataBar, RefusalsSayWhy) {
  const struct {
    Kind kind;
    std::u32string data;
    const char* reason;  // part of the refusal
  } rows[] = {
      {Kind::kLimited, U"2000000000000", "up to 1999999999999 (got 2000000000000)"},
      {Kind::kOmnidirectional, U"12a", "digits only"},
      {Kind::kExpanded, U"0112345678901231^", "\"^\""},
      {Kind::kExpanded, U"10ABC$", "cannot encode \"$\""},
      {Kind::kExpanded, U"ABC", "application identifier"},
      {Kind::kExpanded, U"10A|21B|21C", "one \"|\""},
      {Kind::kExpanded, U"10" + std::u32string(42, U'A'), "too long"},
  };
  for (const auto& row : rows) {
    const std::string data = ToUtf8(row.data);
    const Result<DataBarSymbol> encoding = Encoded(row.kind, row.data);
    EXPECT_NE(encoding.refusal.find(row.reason), std::string::npos) << data << ": " << encoding.refusal;
    const Result<EncodedSymbol> symbol = EncodeDataBarSymbol(row.kind, row.data);
    EXPECT_EQ(symbol.refusal, encoding.refusal) << data;
    EXPECT_FALSE(symbol) << data;
  }
}

// Fields between FNC1s go into brackets under their first two digits; a "#"
// after a field of predefined length closes it with a bracket of variable length.
TEST(BracketElementString, FieldsAndComponent) {
  const struct {
    std::u32string data;
    const char* linear;
    const char* composite;
  } rows[] = {
      {U"01988987654321063103001234", "[01]988987654321063103001234", ""},
      {U"10ABC#21XYZ", "[10]ABC[21]XYZ", ""},
      {U"0112345678901231#10AB", "[01]123[45]678901231[10]AB", ""},
      {U"0112345678901231|10ABC#21 x", "[01]12345678901231", "[10]ABC[21] x"},
  };
  for (const auto& row : rows) {
    const Result<BracketedElements> elements = BracketElementString(row.data);
    EXPECT_EQ(elements.refusal, "") << ToUtf8(row.data);
    EXPECT_EQ(elements->linear, row.linear) << ToUtf8(row.data);
    EXPECT_EQ(elements->composite, row.composite) << ToUtf8(row.data);
  }
}

// With 4 data columns (Expanded) the component takes the first size that holds
// its bits: CC-A of 3, 4, 5, 6 or 7 rows, then CC-B of 10, 12, 15, 20, 26, 32,
// 38 or 44. Each row is 2 high and one separator row lies under them; the
// linear symbol keeps its width.
TEST(DataBarComposite, ComponentRowsFollowTheFourColumnList) {
  const std::vector<std::size_t> allowed = {3, 4, 5, 6, 7, 10, 12, 15, 20, 26, 32, 38, 44};
  const std::u32string linear = U"0198898765432106";
  std::vector<std::size_t> seen;
  for (std::size_t length = 1; length <= 60; length += 3) {
    const std::u32string data = linear + U"|10" + std::u32string(length, U'A');
    const Result<DataBarSymbol> encoding = Encoded(Kind::kExpanded, data);
    ASSERT_EQ(encoding.refusal, "") << length;
    const std::size_t componentRows = (*encoding).rows.size() - 2;
    EXPECT_NE(std::ranges::find(allowed, componentRows), allowed.end()) << componentRows;
    EXPECT_TRUE(seen.empty() || componentRows >= seen.back()) << length;
    EXPECT_EQ(EncodeDataBarSymbol(Kind::kExpanded, data)->grid.rows, 34 + 2 * componentRows + 1);
    EXPECT_EQ((*encoding).width, 134u);
    seen.push_back(componentRows);
  }
  EXPECT_EQ(seen.front(), 3u);
  EXPECT_GE(seen.back(), 10u);  // reached CC-B
}

// The grid repeats each distinct row as many pixel rows as it is high, top
// first; the symbol carries what warnings compare with the data given.
TEST(EncodeDataBarSymbol, PixelRowsAndCarriedData) {
  const struct {
    Encoder encode;
    std::u32string data;
    std::u32string encoded;
    std::vector<std::size_t> heights;  // of the distinct rows, top first
  } rows[] = {
      {EncodeDataBarOmnidirectional, U"2001234567890", U"20012345678909", {33}},
      {EncodeDataBarStacked, U"0001234567890", U"00012345678905", {5, 1, 7}},
      {EncodeDataBarStackedOmnidirectional, U"12345678901231", U"12345678901231", {33, 1, 1, 1, 33}},
      {EncodeDataBarLimited, U"1501234567890", U"15012345678907", {10}},
      {EncodeDataBarExpanded, U"0198898765432106|10ABC", U"0198898765432106|10ABC", {2, 2, 2, 1, 34}},
      {EncodeGs1DataBarExpanded, U"(01)98898765432106(3202)012345", U"01988987654321063202012345", {34}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToUtf8(row.data));
    const Result<EncodedSymbol> symbol = row.encode(row.data, U"", {});
    ASSERT_EQ(symbol.refusal, "");
    EXPECT_EQ(symbol->encoded, row.encoded);
    const ModuleGrid& grid = symbol->grid;
    std::size_t y = 0;
    for (const std::size_t height : row.heights) {
      const std::string first = grid.modules.substr(y * grid.columns, grid.columns);
      for (std::size_t copy = 1; copy < height; ++copy) {
        EXPECT_EQ(grid.modules.substr((y + copy) * grid.columns, grid.columns), first) << "row " << y + copy;
      }
      y += height;
    }
    EXPECT_EQ(grid.rows, y);
    EXPECT_EQ(grid.modules.size(), grid.columns * y);
  }
}

}  // namespace
}  // namespace kbc
