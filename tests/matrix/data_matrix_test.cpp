// Data Matrix (encoded by libdmtx): the bytes handed over, the largest size,
// the rows' encoders, and grids equal to an independent encoder's.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "core/string_ops.h"
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

// libdmtx picks the codewords; what matters here is that every byte reaches it,
// a NUL and bytes above 127 included, and that the side comes back.
TEST(DataMatrixEncode, BytesReachTheEncoder) {
  const struct {
    const char* source;
    std::string data;
    std::vector<std::uint8_t> leading;  // the first codewords of the symbol
  } rows[] = {
      {"é in Mac OS Roman (0x8E) is Upper Shift 235 and 15", "\x8E", {235, 15, 129}},
      {"NUL is an ordinary byte, codeword 1", std::string("\0A", 2), {1, 66, 129}},
  };
  for (const auto& row : rows) {
    const auto symbol = DataMatrixEncode(Bytes(row.data));
    ASSERT_TRUE(symbol) << row.source;
    EXPECT_EQ(symbol->rows, 10) << row.source;
    EXPECT_EQ(std::vector<std::uint8_t>(symbol->codewords.begin(), symbol->codewords.begin() + row.leading.size()),
              row.leading)
        << row.source;
  }
}

// 1558 codewords are the most the largest symbol holds; one more is refused,
// as is anything longer than 3116 bytes. (zint interleaves the last two blocks
// of 144 × 144 differently, so the grids below stop at 132 × 132.)
TEST(DataMatrixEncode, LargestSymbolAndBeyond) {
  const auto largest = DataMatrixEncode(Bytes(Digits(1558)));
  ASSERT_TRUE(largest);
  EXPECT_EQ(largest->rows, 144);
  EXPECT_EQ(largest->codewords.size(), 1558u + 10 * 62);  // 10 interleaved blocks of 62
  EXPECT_FALSE(DataMatrixEncode(Bytes(Digits(1557) + "ab")));
  EXPECT_FALSE(DataMatrixEncode(Bytes(Digits(1558) + "1")));
  EXPECT_FALSE(DataMatrixEncode(Bytes(std::string(1558, 'a') + "\x80")));
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
      {"é is one Mac OS Roman byte", U"\u00E9", 10, ""},
      {"3117 digits are too many", std::u32string(3117, U'5'), 0, "too long for any Data Matrix symbol (3117 bytes;"},
      {"a character without a Mac OS Roman byte", U"A\u4E00", 0, "must be Mac OS Roman text"},
  };
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = EncodeDataMatrix(row.data, U"", {});
    EXPECT_NE(symbol.refusal.find(row.refusal), std::string::npos) << row.source << ": " << symbol.refusal;
    ASSERT_EQ(bool(symbol), row.side > 0) << row.source;
    if (!symbol) continue;
    EXPECT_EQ(symbol->width, std::int64_t(3 * row.side)) << row.source;
    EXPECT_EQ(symbol->grid.columns, row.side) << row.source;
    EXPECT_EQ(symbol->grid.rows, row.side) << row.source;
    EXPECT_EQ(symbol->grid.modules.size(), row.side * row.side) << row.source;
    EXPECT_EQ(symbol->encoded, row.data) << row.source;
  }
}

// The grids row for row as zint draws the same data, so a mirrored or
// transposed grid fails: GS1 (FNC1 first), and digit runs (zint 2.11 also
// chooses ASCII for them) at and one past the capacity of the square sizes of
// one region and of 2 × 2, 4 × 4 and 6 × 6 regions, up to 132 × 132.
TEST(EncodeDataMatrix, GridsEqualAnIndependentEncoder) {
  struct Row {
    Encoder encode;
    std::u32string data;
    std::vector<std::string> zint;
  };
  std::vector<Row> rows = {
      {EncodeGs1DataMatrix, U"(01)09501101530003", {"-b", "71", "--square", "--gs1", "-d", "[01]09501101530003"}},
  };
  constexpr std::size_t kCapacities[] = {3, 62, 280, 1050, 1304};  // 10, 32, 64, 120 and 132 square
  for (std::size_t capacity : kCapacities) {
    for (std::size_t codewords : {capacity, capacity + 1}) {
      if (codewords > 1304) continue;  // 144 × 144
      const std::string digits = Digits(codewords);
      rows.push_back({EncodeDataMatrix, Widen(digits), {"-b", "71", "--square", "-d", digits}});
    }
  }
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = row.encode(row.data, U"", {});
    const std::vector<std::string> zint = test::ZintModuleRows(row.zint);
    const std::string source = row.zint.back().substr(0, 20) + "... (" + std::to_string(row.data.size()) + ")";
    ASSERT_EQ(zint.size(), symbol->grid.rows) << source;
    for (std::size_t y = 0; y < zint.size(); ++y) {
      const std::size_t columns = symbol->grid.columns;
      ASSERT_EQ(zint[y].substr(0, columns), symbol->grid.modules.substr(y * columns, columns)) << source << " row " << y;
    }
  }
}

}  // namespace
}  // namespace kbc
