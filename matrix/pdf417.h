// PDF417 (ISO/IEC 15438): the data compacted into codewords
// (matrix/pdf417_compaction.h), the error-correction level and the columns and
// rows chosen from the data's length, Reed-Solomon error correction over
// GF(929), and the rows laid out with their row indicators.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/encoded_symbol.h"

namespace kbc {

// The Reed-Solomon codewords of the level (2^(level+1) of them), in the order
// they follow the data.
std::vector<int> Pdf417ErrorCorrection(std::span<const int> data, int level);

// The left and right row indicators of a row (from 0, top): the row count,
// the level and the column count spread over the three clusters.
std::pair<int, int> Pdf417RowIndicators(int row, int rows, int columns, int level);

// One symbol: rows × moduleColumns modules, row-major, top row first, 1 for a
// bar; no quiet zone.
struct Pdf417Symbol {
  int rows = 0;
  int codeColumns = 0;  // data codewords per row
  int errorLevel = 0;
  int moduleColumns = 0;  // 17 × (codeColumns + 4) + 1
  std::vector<int> codewords;  // length descriptor, data, padding, error correction
  std::vector<std::uint8_t> modules;
};

// The whole symbol of the bytes, or nothing when the data is too long.
std::optional<Pdf417Symbol> Pdf417Encode(std::span<const std::uint8_t> bytes);

// The row's encoder: the symbol of the text taken as Mac OS Roman, its grid 1
// unit a module across and 2 up, no quiet zone; or why there is none.
Result<EncodedSymbol> EncodePdf417(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

}  // namespace kbc
