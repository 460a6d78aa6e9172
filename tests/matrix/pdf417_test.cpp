// PDF417: compaction known answers, the pattern tables, error correction and
// the row layout, all without drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "matrix/pdf417.h"
#include "matrix/pdf417_compaction.h"
#include "matrix/pdf417_patterns.h"

namespace kbc {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// Codewords worked out by hand from ISO/IEC 15438 text, numeric and byte
// compaction (text pairs are 30·h + l of the sub-mode values).
TEST(Pdf417Compaction, KnownCodewords) {
  const struct {
    const char* source;
    std::string data;
    std::vector<int> codewords;  // length descriptor first
  } rows[] = {
      {"one capital, padded with 29", "A", {2, 29}},
      {"ll 27 then a b; lower shift 27 for one capital", "aB", {3, 810, 811}},
      {"two capitals ahead latch back via mixed: 28 28", "abCDE", {5, 810, 58, 842, 94}},
      {") ? { } ' are punctuation 24..28, latched by 28 25", ")?{}'", {5, 865, 745, 807, 869}},
      {"eight digits alone are numeric: 902, then 1 12345678 in base 900", "12345678", {5, 902, 138, 628, 478}},
      {"13 digits inside text: 902, then text again after 900",
       "ab1234567890123cd",
       {12, 810, 59, 902, 17, 110, 836, 811, 223, 900, 812, 119}},
      {"a byte between text of 4 stays in text: pad 29, 913 and the byte", "ab\x80" "cd", {6, 810, 59, 913, 128, 63}},
      {"six bytes: 924 and five base-900 codewords",
       "\x80\x81\x82\x83\x84\x85",
       {7, 924, 215, 318, 502, 193, 33}},
      {"seven bytes: 901, five codewords and the last byte as itself",
       "\x80\x81\x82\x83\x84\x85\x86",
       {8, 901, 215, 318, 502, 193, 33, 134}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Pdf417DataCodewords(Bytes(row.data)), row.codewords) << row.source;
  }
}

TEST(Pdf417Compaction, SegmentsAndLimits) {
  const auto modes = [](const std::string& data) {
    std::string result;
    for (const Pdf417Segment& s : Pdf417Segments(Bytes(data))) result.push_back(char(s.mode));
    return result;
  };
  EXPECT_EQ(modes("ab123456789012cd"), "T");             // 12 digits stay text
  EXPECT_EQ(modes("abcdef\x80"), "T");                   // long text takes in a single byte
  EXPECT_EQ(modes("ab\x80\x81" "cd"), "B");              // short text joins the bytes
  EXPECT_EQ(modes(std::string(44, '7') + "\x80"), "NB");
  // 926 codewords at most with the length descriptor: the latch 27 and 1849
  // lower-case letters pair up into 925 (the layout test below draws them), one
  // letter more needs 927.
  EXPECT_FALSE(Pdf417DataCodewords(Bytes("a" + std::string(1849, 'b'))));
  EXPECT_FALSE(Pdf417DataCodewords(Bytes(std::string(5421, '5'))));
}

// Every pattern is a valid codeword of its cluster: 17 modules from a bar to a
// space, four bars and four spaces of 1 to 6 modules, cluster number
// (b1 − b2 + b3 − b4 + 9) mod 9 of the table, and no pattern twice.
TEST(Pdf417Patterns, EveryPatternDecodesToItsCodeword) {
  for (std::size_t cluster = 0; cluster < 3; ++cluster) {
    std::map<std::uint32_t, std::size_t> seen;
    for (std::size_t codeword = 0; codeword < 929; ++codeword) {
      const std::uint32_t pattern = kPdf417Patterns[cluster][codeword];
      SCOPED_TRACE("cluster " + std::to_string(3 * cluster) + " codeword " + std::to_string(codeword));
      ASSERT_EQ(std::bit_width(pattern), 17);
      ASSERT_EQ(pattern & 1u, 0u);
      std::vector<int> elements;
      for (int bit = 16; bit >= 0;) {
        const std::uint32_t colour = (pattern >> bit) & 1u;
        int width = 0;
        for (; bit >= 0 && ((pattern >> bit) & 1u) == colour; --bit) ++width;
        elements.push_back(width);
      }
      ASSERT_EQ(elements.size(), 8u);
      for (int width : elements) ASSERT_LE(width, 6);
      EXPECT_EQ(std::size_t((elements[0] - elements[2] + elements[4] - elements[6] + 9) % 9), 3 * cluster);
      EXPECT_TRUE(seen.emplace(pattern, codeword).second) << "also codeword " << seen[pattern];
    }
  }
}

// The codewords with their error correction form a multiple of the generator:
// the polynomial vanishes at every root 3^1 .. 3^k modulo 929.
TEST(Pdf417ErrorCorrection, CodewordsVanishAtTheGeneratorsRoots) {
  const std::vector<int> data = {16, 902, 1, 278, 827, 900, 295, 902, 2, 326, 823, 544, 900, 149, 900, 900};
  for (int level = 0; level <= 8; ++level) {
    std::vector<int> all = data;
    const std::vector<int> ecc = Pdf417ErrorCorrection(data, level);
    ASSERT_EQ(ecc.size(), std::size_t(2 << level));
    all.insert(all.end(), ecc.begin(), ecc.end());
    int root = 1;
    for (std::size_t i = 1; i <= ecc.size(); ++i) {
      root = root * 3 % 929;
      int value = 0;
      for (int c : all) value = (value * root + c) % 929;
      EXPECT_EQ(value, 0) << "level " << level << " root 3^" << i;
    }
  }
}

TEST(Pdf417Layout, RowIndicators) {
  const struct {
    int row, rows, columns, level;
    std::pair<int, int> indicators;
  } rows[] = {
      {0, 3, 1, 2, {0, 0}},      // a 3-row, 1-column symbol at level 2
      {1, 3, 1, 2, {8, 0}},
      {2, 3, 1, 2, {0, 8}},
      {3, 18, 1, 2, {35, 30}},   // rows 3..5 add 30
      {4, 18, 5, 3, {41, 35}},
      {5, 18, 5, 3, {34, 41}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(Pdf417RowIndicators(r.row, r.rows, r.columns, r.level), r.indicators) << r.row << " of " << r.rows;
  }
}

// Level, columns and rows follow the length rules (level 2 up to 40
// codewords, 3 to 160, 4 to 320, 5 beyond); the decoders in the round trips
// read the rows themselves.
TEST(Pdf417Layout, LevelColumnsAndRows) {
  const struct {
    std::string data;
    int rows, columns, level;
  } symbols[] = {
      {"Hello, World!", 18, 1, 2},
      {std::string(100, 'x'), 23, 3, 3},
      {std::string(1850, '9'), 50, 14, 5},   // 675 codewords
      {std::string(1849, 'a'), 58, 16, 0},   // 926 codewords: only level 0 still fits
  };
  for (const auto& s : symbols) {
    const auto symbol = Pdf417Encode(Bytes(s.data));
    ASSERT_TRUE(symbol);
    EXPECT_EQ(symbol->rows, s.rows);
    EXPECT_EQ(symbol->codeColumns, s.columns);
    EXPECT_EQ(symbol->errorLevel, s.level);
    EXPECT_EQ(symbol->moduleColumns, 17 * (s.columns + 4) + 1);
    EXPECT_EQ(symbol->codewords.size(), std::size_t(s.rows * s.columns));
  }
}

// The row's encoder: the symbol of the text as Mac OS Roman bytes, drawn
// 1 × 2 units a module; or a refusal with its reason.
TEST(EncodePdf417, GridAndRefusals) {
  const struct {
    std::u32string data;
    std::size_t rows, columns;  // modules; 0 × 0: refused
    const char* refusal;        // part of the reason
  } rows[] = {
      {U"caf\u00E9", 14, 17 * 5 + 1, ""},
      {std::u32string(1850, U'\u00E9'), 0, 0, "too long for a PDF417 symbol (1850 bytes need more than 926 codewords)"},
      {U"A\u4E00", 0, 0, "PDF417 data must be Mac OS Roman text"},
  };
  for (const auto& row : rows) {
    const std::string source(row.data.begin(), row.data.begin() + std::min<std::size_t>(row.data.size(), 12));
    const Result<EncodedSymbol> symbol = EncodePdf417(row.data, U"", {});
    EXPECT_NE(symbol.refusal.find(row.refusal), std::string::npos) << source << ": " << symbol.refusal;
    ASSERT_EQ(bool(symbol), row.rows > 0) << source;
    if (!symbol) continue;
    EXPECT_EQ(symbol->grid.rows, row.rows) << source;
    EXPECT_EQ(symbol->grid.columns, row.columns) << source;
    EXPECT_EQ(symbol->grid.modules.size(), row.rows * row.columns) << source;
    EXPECT_EQ(symbol->width, std::int64_t(row.columns)) << source;
    EXPECT_EQ(symbol->height, 2.0 * double(row.rows)) << source;
    EXPECT_EQ(symbol->encoded, row.data) << source;
  }
}

}  // namespace
}  // namespace kbc
