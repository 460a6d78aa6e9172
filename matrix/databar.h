// The six GS1 DataBar symbols (ISO/IEC 24724) over libzint: one module per
// pixel, one-row separators, Expanded always in one row. The library encodes;
// this file fixes the data each kind takes, the row heights, the rows' order
// (top first) and the answers the rest of the system asks for.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "matrix/matrix_frame.h"

namespace kbc {

enum class DataBarKind : int {
  kOmnidirectional = 1,
  kTruncated = 2,
  kStacked = 3,
  kStackedOmnidirectional = 4,
  kLimited = 5,
  kExpanded = 6,
};

// The greatest number DataBar Limited carries.
inline constexpr long long kDataBarLimitedMaximum = 1'999'999'999'999;

// A symbol as distinct rows, top first: rows[i] ('1' dark, '0' light) is
// heights[i] modules high. All rows are `width` modules long.
struct DataBarSymbol {
  std::size_t width = 0;
  std::vector<std::string> rows;
  std::vector<int> heights;
};

struct DataBarEncoding {
  DataBarSymbol symbol;  // empty when refused
  std::string refusal;   // why the data cannot be encoded, in words a user can act on
};

// The data as the symbol carries it: the numeric kinds take 13 digits (shorter
// data gains leading zeros, a 14th digit, the check digit, is dropped); Expanded
// takes at most 70 characters.
void NormaliseDataBarData(DataBarKind kind, std::u32string& data);

// The GTIN-14 a numeric kind carries: the 13 digits and their computed check digit.
std::u32string DataBarGtinDigits(std::u32string_view data);

// Encodes normalised data. Expanded data is an element string: application
// identifiers as bare digits, "#" for FNC1, and "|" before the data of a
// composite component (CC-A or CC-B above the linear symbol).
DataBarEncoding EncodeDataBar(DataBarKind kind, std::u32string_view data);

// The answers below normalise their copy of the data and share the run's last
// encoding: asking all of them encodes the data once.
const DataBarEncoding& DataBarEncoded(DataBarKind kind, std::u32string_view data);

// Row width and row count in modules (a pixel row is a row); 0 × 0 when refused.
MatrixSize DataBarSize(DataBarKind kind, std::u32string_view data);

// Replaces out with the module string: every pixel row top first, left module
// first. Left empty when the data is refused.
void DataBarModuleString(DataBarKind kind, std::u32string_view data, ModuleString& out);

}  // namespace kbc
