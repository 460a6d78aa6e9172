// The GS1 DataBar symbols (ISO/IEC 24724) over libzint: one module per
// pixel, one-row separators, Expanded in one row, Expanded Stacked in several.
// The library encodes; this file fixes the data each kind takes, the row
// heights, the rows' order (top first) and the symbol the renderer draws.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoded_symbol.h"

namespace kbc {

enum class DataBarKind : int {
  kOmnidirectional = 1,
  kTruncated = 2,
  kStacked = 3,
  kStackedOmnidirectional = 4,
  kLimited = 5,
  kExpanded = 6,
  kExpandedStacked = 7,  // Expanded in rows of segments, four unless asked otherwise
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

// The heights of a kind's linear rows, top first, in modules: its halves and
// the separator rows between them.
std::span<const int> DataBarRowHeights(DataBarKind kind);

// The data as the symbol carries it: the numeric kinds take 13 digits (shorter
// data gains leading zeros, a 14th digit, the check digit, is dropped); Expanded
// takes at most 70 characters.
void NormaliseDataBarData(DataBarKind kind, std::u32string& data);

// Encodes normalised data. Expanded data is an element string: application
// identifiers as bare digits, "#" for FNC1, and "|" before the data of a
// composite component (CC-A or CC-B above the linear symbol). Expanded Stacked
// has segmentsPerRow (even, 2..20) in each row; 0 stands for 4.
Result<DataBarSymbol> EncodeDataBar(DataBarKind kind, std::u32string_view data, int segmentsPerRow = 0);

// The data normalised and encoded, as the renderer draws it: every pixel row a
// grid row (Expanded Stacked: every distinct row, at its height), one unit a
// module. The numeric kinds carry the GTIN-14 (the 13 digits and their computed
// check digit), Expanded the normalised data.
Result<EncodedSymbol> EncodeDataBarSymbol(DataBarKind kind, std::u32string_view data, int segmentsPerRow = 0);

// The rows' encoders.
Result<EncodedSymbol> EncodeDataBarOmnidirectional(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeDataBarTruncated(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeDataBarStacked(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeDataBarStackedOmnidirectional(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeDataBarLimited(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeDataBarExpanded(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeDataBarExpandedStacked(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

// Expanded under -gs1 1: the element string as typed, with its application
// identifiers in brackets, rewritten into Expanded data first.
Result<EncodedSymbol> EncodeGs1DataBarExpanded(std::u32string_view elementString, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeGs1DataBarExpandedStacked(std::u32string_view elementString, std::u32string_view addon,
                                                      const SymbolOptions& options);

}  // namespace kbc
