#include "matrix/pdf417.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "matrix/pdf417_compaction.h"
#include "matrix/pdf417_patterns.h"
#include "text/mac_roman.h"

namespace kbc {
namespace {

constexpr int kModulus = 929;
constexpr int kMostSymbolCodewords = 928;
constexpr int kPadCodeword = 900;
constexpr int kMostLevel = 8;

// Column formula inputs: the wanted width/height ratio of the codeword area,
// and the row height in modules it assumes.
constexpr double kAspectRatio = 0.5;
constexpr double kRowHeight = 3.0;

constexpr std::string_view kStartPattern = "11111111010101000";
constexpr std::string_view kStopPattern = "111111101000101001";
constexpr int kCodewordModules = 17;

// Units a module is drawn high; it is 1 unit wide.
constexpr double kModuleHeight = 2;

int EccCount(int level) { return 2 << level; }

// The largest level whose error correction still fits in `room` codewords.
int MostLevel(int room) {
  int level = 0;
  for (int e = 0; e <= kMostLevel; ++e) {
    if (EccCount(e) <= room) level = e;
  }
  return level;
}

// Level by the data's length, never above what the symbol can hold.
int FirstLevel(int dataCount) {
  const int byLength = dataCount <= 40 ? 2 : dataCount <= 160 ? 3 : dataCount <= 320 ? 4 : 5;
  return std::min(byLength, MostLevel(kMostSymbolCodewords - dataCount));
}

struct Shape {
  int columns;
  int rows;
  int capacity;
};

// Columns from the aspect ratio, then as many rows as the codewords need.
Shape ChooseShape(int total) {
  const double a = kAspectRatio;
  const double b = 73 * a - 4;
  const double q = (-b + std::sqrt(b * b + 68 * a * total * kRowHeight)) / (34 * a);
  int columns = std::clamp(int(q + 0.5), 1, 30);
  int rows = (total - 1) / columns + 1;
  if (rows < 3) rows = 3;
  if ((total - 1) / columns >= 90) {
    rows = 90;
    columns = (total - 1) / 90 + 1;
  }
  if (rows * columns > kMostSymbolCodewords) {
    return columns < 22 ? Shape{16, 58, kMostSymbolCodewords} : Shape{29, 32, kMostSymbolCodewords};
  }
  return {columns, rows, rows * columns};
}

// Coefficients of the generator polynomial with the roots 3^1 .. 3^k over
// GF(929), lowest power first, leading 1 left out: the standard's coefficient
// table of the level (ISO/IEC 15438 Annex F).
std::vector<int> GeneratorCoefficients(int k) {
  std::vector<int> g{1};
  int root = 1;
  for (int i = 1; i <= k; ++i) {
    root = root * 3 % kModulus;
    std::vector<int> next(g.size() + 1, 0);
    for (std::size_t j = 0; j < g.size(); ++j) {
      next[j + 1] = (next[j + 1] + g[j]) % kModulus;
      next[j] = (next[j] + (kModulus - root) * g[j]) % kModulus;
    }
    g = std::move(next);
  }
  g.pop_back();
  return g;
}

void AppendModules(std::string_view pattern, std::vector<std::uint8_t>& modules) {
  for (char c : pattern) modules.push_back(c == '1' ? 1 : 0);
}

void AppendCodeword(int cluster, int codeword, std::vector<std::uint8_t>& modules) {
  const std::uint32_t pattern = kPdf417Patterns.at(std::size_t(cluster)).at(std::size_t(codeword));
  for (int bit = kCodewordModules - 1; bit >= 0; --bit) modules.push_back(std::uint8_t((pattern >> bit) & 1u));
}

}  // namespace

std::pair<int, int> Pdf417RowIndicators(int row, int rows, int columns, int level) {
  const int k = 30 * (row / 3);
  const int rowsPart = (rows - 1) / 3;
  const int levelPart = 3 * level + (rows - 1) % 3;
  const int columnsPart = columns - 1;
  switch (row % 3) {
    case 0:
      return {k + rowsPart, k + columnsPart};
    case 1:
      return {k + levelPart, k + rowsPart};
    default:
      return {k + columnsPart, k + levelPart};
  }
}

std::vector<int> Pdf417ErrorCorrection(std::span<const int> data, int level) {
  const int k = EccCount(level);
  // Subtracting t·a is adding t·(929 − a): one remainder per step instead of two.
  std::vector<int> negated = GeneratorCoefficients(k);
  for (int& coefficient : negated) coefficient = (kModulus - coefficient) % kModulus;
  std::vector<int> c(std::size_t(k), 0);
  const auto last = std::size_t(k - 1);
  for (int d : data) {
    const int t1 = (d + c[last]) % kModulus;
    for (std::size_t j = last; j >= 1; --j) c[j] = (c[j - 1] + t1 * negated[j]) % kModulus;
    c[0] = t1 * negated[0] % kModulus;
  }
  std::vector<int> ecc;
  ecc.reserve(c.size());
  for (std::size_t j = c.size(); j-- > 0;) ecc.push_back((kModulus - c[j]) % kModulus);
  return ecc;
}

std::optional<Pdf417Symbol> Pdf417Encode(std::span<const std::uint8_t> bytes) {
  std::optional<std::vector<int>> data = Pdf417DataCodewords(bytes);
  if (!data) return std::nullopt;
  const int dataCount = int(data->size());

  const Shape shape = ChooseShape(dataCount + EccCount(FirstLevel(dataCount)));
  // The level rises to fill the chosen rows and columns; pads fill the rest.
  const int level = MostLevel(shape.capacity - dataCount);
  data->resize(std::size_t(std::max(dataCount, shape.capacity - EccCount(level))), kPadCodeword);
  (*data)[0] = int(data->size());

  Pdf417Symbol symbol;
  symbol.rows = shape.rows;
  symbol.codeColumns = shape.columns;
  symbol.errorLevel = level;
  symbol.moduleColumns = kCodewordModules * (shape.columns + 4) + 1;
  symbol.codewords = std::move(*data);
  const std::vector<int> ecc = Pdf417ErrorCorrection(symbol.codewords, level);
  symbol.codewords.insert(symbol.codewords.end(), ecc.begin(), ecc.end());

  symbol.modules.reserve(std::size_t(symbol.rows) * std::size_t(symbol.moduleColumns));
  for (int row = 0; row < symbol.rows; ++row) {
    const int cluster = row % 3;
    const auto [left, right] = Pdf417RowIndicators(row, symbol.rows, symbol.codeColumns, level);
    AppendModules(kStartPattern, symbol.modules);
    AppendCodeword(cluster, left, symbol.modules);
    for (int column = 0; column < symbol.codeColumns; ++column) {
      AppendCodeword(cluster, symbol.codewords.at(std::size_t(row * symbol.codeColumns + column)), symbol.modules);
    }
    AppendCodeword(cluster, right, symbol.modules);
    AppendModules(kStopPattern, symbol.modules);
  }
  return symbol;
}

Result<EncodedSymbol> EncodePdf417(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  const std::optional<std::string> bytes = EncodeMacRoman(data);
  if (!bytes) return Refusal("PDF417 data must be Mac OS Roman text");
  const std::optional<Pdf417Symbol> symbol =
      Pdf417Encode({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  if (!symbol) {
    return Refusal("the data is too long for a PDF417 symbol (" + std::to_string(bytes->size()) +
                                  " bytes need more than 926 codewords)");
  }
  EncodedSymbol encoded;
  encoded.width = symbol->moduleColumns;
  encoded.height = kModuleHeight * symbol->rows;
  encoded.encoded = data;
  ModuleGrid& grid = encoded.grid;
  grid.columns = std::size_t(symbol->moduleColumns);
  grid.rows = std::size_t(symbol->rows);
  grid.moduleHeight = kModuleHeight;
  grid.modules.reserve(symbol->modules.size());
  for (const std::uint8_t module : symbol->modules) grid.modules.push_back(module ? '1' : '0');
  return encoded;
}

}  // namespace kbc
