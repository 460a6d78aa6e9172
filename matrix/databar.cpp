#include "matrix/databar.h"

#include <algorithm>
#include <array>

#include "core/string_ops.h"
#include "linear/ean_tables.h"
#include "linear/gs1_element_string.h"
#include "matrix/databar_syntax.h"
#include "matrix/matrix_frame.h"
#include "matrix/zint_library.h"
#include "text/utf8.h"

namespace kbc {
namespace {

constexpr std::size_t kNumericDigits = 13;
constexpr std::size_t kExpandedCharacters = 70;
constexpr int kCompositeRowHeight = 2;  // each row of a CC-A or CC-B component
constexpr int kCompositeSeparatorHeight = 1;

// What each kind draws: the library's symbology, the width of the numeric kinds
// (0: from the data) and the heights of the linear symbol's rows, top first.
struct KindLayout {
  std::string_view name;
  int symbology;
  int compositeSymbology;  // with a component after "|"; 0: none
  std::size_t width;
  std::array<int, 5> rowHeights;
  std::size_t rowCount;
};

// Rows of each kind (ISO/IEC 24724 symbol layouts with one-module separators):
// Stacked is an upper half 5 high, its separator, and a lower half 7 high;
// Stacked Omnidirectional two full-height halves around the three-row separator.
// Expanded Stacked has as many rows as its data needs, each as high as
// Expanded's one, with three-row separators between them.
constexpr std::array<KindLayout, 7> kLayouts = {{
    {"GS1 DataBar Omnidirectional", BARCODE_DBAR_OMN, 0, 96, {33}, 1},
    {"GS1 DataBar Truncated", BARCODE_DBAR_OMN, 0, 96, {13}, 1},
    {"GS1 DataBar Stacked", BARCODE_DBAR_STK, 0, 50, {5, 1, 7}, 3},
    {"GS1 DataBar Stacked Omnidirectional", BARCODE_DBAR_OMNSTK, 0, 50, {33, 1, 1, 1, 33}, 5},
    {"GS1 DataBar Limited", BARCODE_DBAR_LTD, 0, 74, {10}, 1},
    {"GS1 DataBar Expanded", BARCODE_DBAR_EXP, BARCODE_DBAR_EXP_CC, 0, {34}, 1},
    {"GS1 DataBar Expanded Stacked", BARCODE_DBAR_EXPSTK, BARCODE_DBAR_EXPSTK_CC, 0, {34}, 1},
}};

bool IsExpanded(DataBarKind kind) { return kind == DataBarKind::kExpanded || kind == DataBarKind::kExpandedStacked; }

const KindLayout& LayoutOf(DataBarKind kind) { return kLayouts[std::size_t(kind) - 1]; }

// Expanded Stacked's rows: the library fixes the heights of the component's rows
// and of every separator, and leaves the symbol's rows to share what remains.
Result<DataBarSymbol> StackedRows(const KindLayout& layout, const zint_symbol& symbol, std::size_t rows) {
  if (symbol.width <= 0 || rows == 0) return Refusal(std::string(layout.name) + " could not be encoded");
  DataBarSymbol result;
  result.width = std::size_t(symbol.width);
  for (std::size_t row = 0; row < rows; ++row) {
    result.rows.push_back(ZintRow(symbol, int(row), result.width));
    const int fixed = int(symbol.row_height[row]);
    result.heights.push_back(fixed > 0 ? fixed : layout.rowHeights[0]);
  }
  return result;
}

// Runs the library on data (the linear part) and, for a composite, its
// component; the rows come back top first. segmentsPerRow (Expanded Stacked
// only) is 0 for the library's default of 4.
Result<DataBarSymbol> RunZint(const KindLayout& layout, const std::string& data, const std::string& component,
                              int segmentsPerRow) {
  if (!Zint().usable) return Refusal("GS1 DataBar symbols need libzint, which could not be opened");
  // A composite component spans at least four segments (ISO/IEC 24723); the
  // library would quietly widen a narrower symbol rather than say so.
  if (!component.empty() && segmentsPerRow != 0 && segmentsPerRow < 4) {
    return Refusal(std::string(layout.name) + " with a composite component needs at least 4 segments per row (got " +
                   std::to_string(segmentsPerRow) + ")");
  }
  const ZintSymbolHandle symbol(Zint().create());
  if (!symbol) return Refusal(std::string(layout.name) + " could not be encoded (out of memory)");
  const bool expanded = layout.compositeSymbology != 0;
  // Expanded data is checked by our own syntax rules; the library's own checks
  // of each identifier's data would refuse element strings the symbol carries.
  // Its Expanded symbol is always one row.
  symbol->input_mode = expanded ? GS1_MODE | GS1NOCHECK_MODE : DATA_MODE;
  std::string text = data;
  if (!component.empty()) {
    symbol->symbology = layout.compositeSymbology;
    if (data.size() >= sizeof symbol->primary) return Refusal(std::string(layout.name) + " data is too long");
    std::ranges::copy(data, symbol->primary);
    symbol->primary[data.size()] = '\0';
    text = component;
  } else {
    symbol->symbology = layout.symbology;
  }
  // The library counts the row's width in segment pairs.
  if (segmentsPerRow != 0) symbol->option_2 = segmentsPerRow / 2;
  const int status =
      Zint().encode(symbol.get(), reinterpret_cast<const unsigned char*>(text.data()), int(text.size()));
  if (status >= ZINT_ERROR) {
    return Refusal(std::string(layout.name) + " cannot encode this data: " + ZintMessage(*symbol));
  }

  const std::size_t rows = std::size_t(std::max(symbol->rows, 0));
  if (layout.symbology == BARCODE_DBAR_EXPSTK) return StackedRows(layout, *symbol, rows);
  // Rows above the linear symbol: the component's rows, then its separator.
  const std::size_t firstLinearRow = rows >= layout.rowCount ? rows - layout.rowCount : 0;
  if (symbol->width <= 0 || rows < layout.rowCount || (firstLinearRow == 0) != component.empty()) {
    return Refusal(std::string(layout.name) + " could not be encoded");
  }
  DataBarSymbol result;
  // DataBar Limited ends in 5 light modules of right guard that our layout
  // leaves to the quiet zone.
  result.width = layout.width != 0 ? layout.width : std::size_t(symbol->width);
  for (std::size_t row = 0; row < rows; ++row) {
    result.rows.push_back(ZintRow(*symbol, int(row), result.width));
    if (row >= firstLinearRow) {
      result.heights.push_back(layout.rowHeights[row - firstLinearRow]);
    } else {
      result.heights.push_back(row + 1 == firstLinearRow ? kCompositeSeparatorHeight : kCompositeRowHeight);
    }
  }
  return result;
}

Result<DataBarSymbol> EncodeNumeric(const KindLayout& layout, DataBarKind kind, std::u32string_view data) {
  if (data.size() != kNumericDigits || !std::ranges::all_of(data, IsAsciiDigit)) {
    return Refusal(std::string(layout.name) + " takes digits only, at most 13 (got \"" + ToUtf8(data) + "\")");
  }
  const std::string digits = ToUtf8(data);
  if (kind == DataBarKind::kLimited && std::stoll(digits) > kDataBarLimitedMaximum) {
    return Refusal(std::string(layout.name) + " carries numbers up to 1999999999999 (got " + digits + ")");
  }
  return RunZint(layout, digits, {}, 0);
}

// The GTIN-14 a numeric kind carries: the 13 digits and their computed check digit.
std::u32string GtinDigits(std::u32string_view data) {
  std::u32string digits(data);
  PadLeft(digits, kNumericDigits, U'0');
  digits.push_back(char32_t(U'0' + EanCheckDigit(digits)));
  return digits;
}

}  // namespace

std::span<const int> DataBarRowHeights(DataBarKind kind) {
  const KindLayout& layout = LayoutOf(kind);
  return std::span<const int>(layout.rowHeights).first(layout.rowCount);
}

void NormaliseDataBarData(DataBarKind kind, std::u32string& data) {
  if (IsExpanded(kind)) {
    TruncateString(data, kExpandedCharacters);
  } else {
    PadLeft(data, kNumericDigits, U'0');
  }
}

Result<DataBarSymbol> EncodeDataBar(DataBarKind kind, std::u32string_view data, int segmentsPerRow) {
  if (int(kind) < 1 || int(kind) > int(kLayouts.size())) return Refusal("no such GS1 DataBar kind");
  const KindLayout& layout = LayoutOf(kind);
  if (!IsExpanded(kind)) return EncodeNumeric(layout, kind, data);
  const Result<BracketedElements> elements = BracketElementString(data);
  if (!elements) return Refusal(elements.refusal);
  return RunZint(layout, elements->linear, elements->composite, segmentsPerRow);
}

Result<EncodedSymbol> EncodeDataBarSymbol(DataBarKind kind, std::u32string_view data, int segmentsPerRow) {
  std::u32string normalised(data);
  NormaliseDataBarData(kind, normalised);
  const Result<DataBarSymbol> encoding = EncodeDataBar(kind, normalised, segmentsPerRow);
  if (!encoding) return Refusal(encoding.refusal);
  const DataBarSymbol& bars = *encoding;
  EncodedSymbol symbol;
  ModuleGrid& grid = symbol.grid;
  grid.columns = bars.width;
  // Expanded Stacked, added after the others, gives each distinct row its
  // height, so that a bar is one mark rather than one per module row.
  const bool distinctRows = kind == DataBarKind::kExpandedStacked;
  for (std::size_t row = 0; row < bars.rows.size(); ++row) {
    for (int copy = 0; copy < (distinctRows ? 1 : bars.heights[row]); ++copy) {
      grid.modules += bars.rows[row];
      ++grid.rows;
    }
    if (distinctRows) grid.rowHeights.push_back(bars.heights[row]);
  }
  symbol.width = std::int64_t(grid.columns);
  double height = 0;
  for (const int row : bars.heights) height += row;
  symbol.height = height;
  symbol.encoded = IsExpanded(kind) ? std::move(normalised) : GtinDigits(data);
  return symbol;
}

Result<EncodedSymbol> EncodeDataBarOmnidirectional(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeDataBarSymbol(DataBarKind::kOmnidirectional, data);
}

Result<EncodedSymbol> EncodeDataBarTruncated(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeDataBarSymbol(DataBarKind::kTruncated, data);
}

Result<EncodedSymbol> EncodeDataBarStacked(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeDataBarSymbol(DataBarKind::kStacked, data);
}

Result<EncodedSymbol> EncodeDataBarStackedOmnidirectional(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeDataBarSymbol(DataBarKind::kStackedOmnidirectional, data);
}

Result<EncodedSymbol> EncodeDataBarLimited(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeDataBarSymbol(DataBarKind::kLimited, data);
}

Result<EncodedSymbol> EncodeDataBarExpanded(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeDataBarSymbol(DataBarKind::kExpanded, data);
}

Result<EncodedSymbol> EncodeDataBarExpandedStacked(std::u32string_view data, std::u32string_view,
                                                   const SymbolOptions& options) {
  return EncodeDataBarSymbol(DataBarKind::kExpandedStacked, data, options.dataBarSegments);
}

namespace {

Result<EncodedSymbol> EncodeGs1Expanded(DataBarKind kind, std::u32string_view elementString, int segmentsPerRow) {
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  Result<EncodedSymbol> symbol = EncodeDataBarSymbol(kind, Gs1DataBarData(*parsed), segmentsPerRow);
  if (!symbol) return symbol;
  for (const char c : Gs1HumanReadable(*parsed)) symbol->text.push_back(char32_t(c));
  symbol->variant = kMatrixTextLine;
  return symbol;
}

}  // namespace

Result<EncodedSymbol> EncodeGs1DataBarExpanded(std::u32string_view elementString, std::u32string_view, const SymbolOptions&) {
  return EncodeGs1Expanded(DataBarKind::kExpanded, elementString, 0);
}

Result<EncodedSymbol> EncodeGs1DataBarExpandedStacked(std::u32string_view elementString, std::u32string_view,
                                                      const SymbolOptions& options) {
  return EncodeGs1Expanded(DataBarKind::kExpandedStacked, elementString, options.dataBarSegments);
}

}  // namespace kbc
