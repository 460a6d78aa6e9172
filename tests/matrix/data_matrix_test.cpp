// Data Matrix: codewords and sizes of known cases, symbols equal to an
// independent encoder's, the largest symbol's structure, and the rows' encoders.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "matrix/data_matrix.h"
#include "matrix/gs1_matrix.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// A digit run of `codewords` ASCII codewords (two digits each).
std::string Digits(std::size_t codewords) {
  std::string digits;
  for (std::size_t i = 0; i < 2 * codewords; ++i) digits.push_back(char('0' + (i * 7 + i / 3) % 10));
  return digits;
}

// Data codewords by ISO/IEC 16022 ASCII encodation and the 253-state pad rule.
TEST(DataMatrixEncode, KnownCodewordsAndSides) {
  const struct {
    const char* source;
    std::string data;
    int side;
    std::vector<std::uint8_t> leading;  // the first codewords of the symbol
  } rows[] = {
      {"digit pairs 130 + 10·d1 + d2; 3 codewords fill 10 × 10", "123456", 10, {142, 164, 186}},
      {"an odd last digit is its byte + 1; 4 codewords take 12 × 12 with one pad", "1234567", 12,
       {142, 164, 186, 56, 129}},
      {"pads after the first are randomised: 129 + (149·3 mod 253) + 1 − 254", "12", 10, {142, 129, 70}},
      {"é in Mac OS Roman (0x8E) is Upper Shift 235 and 15", "\x8E", 10, {235, 15, 129}},
      {"NUL is an ordinary byte, codeword 1", std::string("\0A", 2), 10, {1, 66, 129}},
      {"a digit before a letter stands alone", "1A23", 10, {50, 66, 153}},
  };
  for (const auto& row : rows) {
    const auto symbol = DataMatrixEncode(Bytes(row.data));
    ASSERT_TRUE(symbol) << row.source;
    EXPECT_EQ(symbol->side, row.side) << row.source;
    EXPECT_EQ(std::vector<std::uint8_t>(symbol->codewords.begin(), symbol->codewords.begin() + row.leading.size()),
              row.leading)
        << row.source;
  }
}

// 1558 codewords are the most the largest symbol holds; one more is refused,
// as is anything longer than 3116 bytes.
TEST(DataMatrixEncode, LargestSymbolAndBeyond) {
  const auto largest = DataMatrixEncode(Bytes(Digits(1558)));
  ASSERT_TRUE(largest);
  EXPECT_EQ(largest->side, 144);
  EXPECT_EQ(largest->codewords.size(), 1558u + 10 * 62);  // 10 interleaved blocks of 62
  EXPECT_FALSE(DataMatrixEncode(Bytes(Digits(1557) + "ab")));
  EXPECT_FALSE(DataMatrixEncode(Bytes(Digits(1558) + "1")));
  EXPECT_FALSE(DataMatrixEncode(Bytes(std::string(1558, 'a') + "\x80")));
}

// ZXingReader cannot read 144 × 144, so its structure is checked here: each of
// the 6 × 6 regions of 24 modules has a solid left and bottom edge and clock
// tracks along its top (dark at even columns) and right (dark at odd rows).
TEST(DataMatrixEncode, LargestSymbolHasItsRegionPatterns) {
  const auto symbol = DataMatrixEncode(Bytes(Digits(1558)));
  ASSERT_TRUE(symbol);
  constexpr int kRegion = 24;
  int data = 0;
  for (int y = 0; y < 144; ++y) {
    for (int x = 0; x < 144; ++x) {
      const bool dark = symbol->modules[std::size_t(y * 144 + x)] == 1;
      if ((y + 1) % kRegion == 0 || x % kRegion == 0) {
        ASSERT_TRUE(dark) << x << "," << y;
      } else if (y % kRegion == 0) {
        ASSERT_EQ(dark, x % 2 == 0) << x << "," << y;
      } else if ((x + 1) % kRegion == 0) {
        ASSERT_EQ(dark, y % 2 == 1) << x << "," << y;
      } else {
        data += dark ? 1 : 0;
      }
    }
  }
  // 132 × 132 data modules of well-mixed codewords are about half dark.
  EXPECT_NEAR(data, 132 * 132 / 2, 132 * 132 / 20);
}

// zint 2.11 chooses ASCII encodation for digit runs, so its symbols must equal
// ours module for module: data one codeword short of, exactly at and one past
// each square size's capacity. (At 144 × 144 zint interleaves the error
// correction of the last two blocks differently; that size is checked above.)
TEST(DataMatrixEncode, DigitSymbolsEqualAnIndependentEncoder) {
  constexpr std::size_t kCapacities[] = {3,   5,   8,   12,  18,  22,  30,  36,  44,  62,  86, 114,
                                         144, 174, 204, 280, 368, 456, 576, 696, 816, 1050, 1304};
  for (std::size_t capacity : kCapacities) {
    for (std::size_t codewords : {capacity - 1, capacity, capacity + 1}) {
      if (codewords > 1304) continue;  // 144 × 144
      const std::string digits = Digits(codewords);
      const auto symbol = DataMatrixEncode(Bytes(digits));
      ASSERT_TRUE(symbol) << codewords;
      const std::vector<std::string> rows = test::ZintModuleRows({"-b", "71", "--square", "-d", digits});
      ASSERT_EQ(rows.size(), std::size_t(symbol->side)) << codewords;
      for (int y = 0; y < symbol->side; ++y) {
        std::string ours;
        for (int x = 0; x < symbol->side; ++x) {
          ours.push_back(symbol->modules[std::size_t(y * symbol->side + x)] ? '1' : '0');
        }
        ASSERT_EQ(rows[std::size_t(y)].substr(0, ours.size()), ours) << codewords << " codewords, row " << y;
      }
    }
  }
}

// The rows' encoder: 3 units a module, the text taken as Mac OS Roman, and a
// reason when no symbol holds the data.
TEST(EncodeDataMatrix, SizesAndRefusals) {
  const struct {
    const char* source;
    std::u32string data;
    std::size_t side;     // 0: refused
    const char* refusal;  // part of the reason
  } rows[] = {
      {"six digits fill 10 × 10", U"123456", 10, ""},
      {"é is one Mac OS Roman byte", U"\u00E9", 10, ""},
      {"3116 digits fill 144 × 144", std::u32string(3116, U'5'), 144, ""},
      {"3117 digits are too many", std::u32string(3117, U'5'), 0, "too long for any Data Matrix symbol (3117 bytes;"},
      {"a character without a Mac OS Roman byte", U"A\u4E00", 0, "must be Mac OS Roman text"},
  };
  for (const auto& row : rows) {
    const EncodedSymbol symbol = EncodeDataMatrix(row.data, U"");
    EXPECT_EQ(symbol.width, std::int64_t(3 * row.side)) << row.source;
    EXPECT_EQ(symbol.grid.columns, row.side) << row.source;
    EXPECT_EQ(symbol.grid.rows, row.side) << row.source;
    EXPECT_EQ(symbol.grid.modules.size(), row.side * row.side) << row.source;
    EXPECT_NE(symbol.refusal.find(row.refusal), std::string::npos) << row.source << ": " << symbol.refusal;
    EXPECT_EQ(symbol.refusal.empty(), row.side > 0) << row.source;
    if (row.side > 0) {
      EXPECT_EQ(symbol.encoded, row.data) << row.source;
    }
  }
}

// The grids, plain and GS1 (FNC1 first, GS between fields), row for row as
// zint draws the same data: a mirrored or transposed grid would fail.
TEST(EncodeDataMatrix, GridsEqualAnIndependentEncoder) {
  const struct {
    Encoder encode;
    std::u32string data;
    std::vector<std::string> zint;
  } rows[] = {
      {EncodeDataMatrix, U"123456", {"-b", "71", "--square", "-d", "123456"}},
      {EncodeGs1DataMatrix, U"(01)09501101530003", {"-b", "71", "--square", "--gs1", "-d", "[01]09501101530003"}},
  };
  for (const auto& row : rows) {
    const EncodedSymbol symbol = row.encode(row.data, U"");
    const std::vector<std::string> zint = test::ZintModuleRows(row.zint);
    ASSERT_EQ(zint.size(), symbol.grid.rows) << row.zint.back();
    for (std::size_t y = 0; y < zint.size(); ++y) {
      const std::size_t columns = symbol.grid.columns;
      EXPECT_EQ(zint[y].substr(0, columns), symbol.grid.modules.substr(y * columns, columns))
          << row.zint.back() << " row " << y;
    }
  }
}

}  // namespace
}  // namespace kbc
