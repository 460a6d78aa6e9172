#include "matrix/composite_symbols.h"

#include <algorithm>
#include <span>
#include <string>
#include <variant>

#include "linear/ean_tables.h"
#include "matrix/databar_syntax.h"
#include "matrix/matrix_frame.h"
#include "matrix/zint_library.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// GS1-128's bars under a component: as high as the GS1-128 symbol's own bars
// without their text room.
constexpr int kGs1128BarHeights[] = {40};
constexpr std::size_t kDataBarDigits = 13;
// ISO/IEC 24723: CC-C, the PDF417 form, is only used above GS1-128, and the
// library takes it only when asked.
constexpr int kCcC = 3;

struct CompositeRequest {
  std::string_view name;
  int symbology;
  std::string primary;    // the linear part as the library reads it
  std::string component;  // bracketed element string
};

int Encode(zint_symbol& symbol, const CompositeRequest& request, int option1) {
  symbol.symbology = request.symbology;
  // Our syntax check has already bracketed every field; the library's own checks
  // of each identifier's data would refuse element strings the symbol carries.
  symbol.input_mode = GS1_MODE | GS1NOCHECK_MODE;
  symbol.option_1 = option1;
  request.primary.copy(symbol.primary, request.primary.size());
  symbol.primary[request.primary.size()] = '\0';
  return Zint().encode(&symbol, reinterpret_cast<const unsigned char*>(request.component.data()),
                       int(request.component.size()));
}

// The library's symbol, its linear symbol in the last row.
Result<ZintSymbolHandle> RunComposite(const CompositeRequest& request) {
  const std::string name(request.name);
  if (!Zint().usable) return Refusal(name + " needs libzint, which could not be opened");
  if (request.primary.size() >= sizeof zint_symbol{}.primary) return Refusal(name + " data is too long");
  ZintSymbolHandle symbol(Zint().create());
  if (!symbol) return Refusal(name + " could not be encoded (out of memory)");
  int status = Encode(*symbol, request, 0);
  if (status >= ZINT_ERROR && request.symbology == BARCODE_GS1_128_CC) {
    // A component too long for CC-A and CC-B may still fit CC-C.
    const std::string first = ZintMessage(*symbol);
    symbol.reset(Zint().create());
    if (!symbol) return Refusal(name + " could not be encoded (out of memory)");
    status = Encode(*symbol, request, kCcC);
    if (status >= ZINT_ERROR) return Refusal(name + " cannot encode this data: " + first);
  }
  if (status >= ZINT_ERROR) return Refusal(name + " cannot encode this data: " + ZintMessage(*symbol));
  if (symbol->width <= 0 || symbol->rows < 2) return Refusal(name + " could not be encoded");
  return symbol;
}

// The component: its rows and the separator rows under it, at the library's
// heights (2X a row of CC-A and CC-B), all but the linear last row.
ModuleGrid ComponentGrid(const zint_symbol& symbol, int rows) {
  ModuleGrid grid;
  grid.columns = std::size_t(symbol.width);
  grid.rows = std::size_t(rows);
  for (int row = 0; row < rows; ++row) {
    grid.modules += ZintRow(symbol, row, grid.columns);
    const double height = symbol.row_height[row];
    grid.rowHeights.push_back(height > 0 ? double(height) : 2.0);
  }
  return grid;
}

Result<std::string> ComponentOf(std::string_view name, std::u32string_view component) {
  if (component.empty()) {
    return Refusal(std::string(name) + " needs its 2-D component as -addon, a GS1 element string such as 10ABC123");
  }
  return BracketElements(component, name);
}

}  // namespace

namespace {

// A composite drawn whole by the matrix frame: component, separator and the
// linear symbol's rows, these at `linearHeights`, its text under them.
Result<EncodedSymbol> EncodeStackedComposite(const CompositeRequest& request, std::span<const int> linearHeights,
                                             std::u32string_view data) {
  const Result<ZintSymbolHandle> symbol = RunComposite(request);
  if (!symbol) return Refusal(symbol.refusal);
  const zint_symbol& zint = **symbol;
  if (std::size_t(zint.rows) <= linearHeights.size()) return Refusal(std::string(request.name) + " could not be encoded");
  EncodedSymbol encoded;
  encoded.grid = ComponentGrid(zint, zint.rows);
  std::ranges::copy(linearHeights, encoded.grid.rowHeights.end() - std::ptrdiff_t(linearHeights.size()));
  encoded.width = zint.width;
  double height = 0;
  for (const double row : encoded.grid.rowHeights) height += row;
  encoded.height = height;
  encoded.text = FromUtf8(reinterpret_cast<const char*>(zint.text));
  encoded.variant = kMatrixTextLine;
  encoded.encoded = data;
  return encoded;
}

}  // namespace

Result<EncodedSymbol> EncodeGs1128Composite(std::u32string_view data, std::u32string_view component,
                                            const SymbolOptions&) {
  constexpr std::string_view kName = "GS1-128-Composite";
  const Result<std::string> bracketed = ComponentOf(kName, component);
  if (!bracketed) return Refusal(bracketed.refusal);
  const Result<std::string> linear = BracketElements(data, kName);
  if (!linear) return Refusal(linear.refusal);
  return EncodeStackedComposite({kName, BARCODE_GS1_128_CC, *linear, *bracketed}, kGs1128BarHeights, data);
}

Result<EncodedSymbol> EncodeDataBarComposite(const DataBarComposite& kind, std::u32string_view data,
                                             std::u32string_view component, const SymbolOptions&) {
  const Result<std::string> bracketed = ComponentOf(kind.name, component);
  if (!bracketed) return Refusal(bracketed.refusal);
  // The 13 digits of the GTIN before its check digit, which the library adds.
  std::u32string digits(data.substr(0, kDataBarDigits));
  if (digits.empty()) return Refusal(std::string(kind.name) + " needs the 13 digits of a GTIN");
  digits.insert(0, kDataBarDigits - digits.size(), U'0');
  Result<EncodedSymbol> encoded = EncodeStackedComposite({kind.name, kind.symbology, ToUtf8(digits), *bracketed},
                                                         DataBarRowHeights(kind.linear), data);
  if (encoded) encoded->encoded = digits + char32_t(U'0' + EanCheckDigit(digits));
  return encoded;
}

Result<EncodedSymbol> EncodeRetailComposite(const RetailComposite& kind, std::u32string_view data,
                                            std::u32string_view component, const SymbolOptions& options) {
  const Result<std::string> bracketed = ComponentOf(kind.name, component);
  if (!bracketed) return Refusal(bracketed.refusal);
  Result<EncodedSymbol> encoded = kind.linear(data, U"", options);
  if (!encoded) return encoded;
  // The library computes the check digit itself; given one, it would read
  // EAN-8's eight digits as an EAN-13 number.
  const std::u32string digits = encoded->text.substr(0, encoded->text.size() - 1);
  const Result<ZintSymbolHandle> symbol = RunComposite({kind.name, kind.symbology, ToUtf8(digits), *bracketed});
  if (!symbol) return Refusal(symbol.refusal);
  const zint_symbol& zint = **symbol;

  // The library's linear row must be our own bars; where they stand in it
  // places the component over them.
  std::string bars;
  for (const std::string& part : encoded->parts) bars += part;
  const std::string linear = ZintRow(zint, zint.rows - 1, std::size_t(zint.width));
  const std::size_t offset = linear.find(bars);
  if (offset == std::string::npos) return Refusal(std::string(kind.name) + " could not be encoded");
  encoded->grid = ComponentGrid(zint, zint.rows - 1);
  encoded->variant = int(offset);
  return encoded;
}

namespace {

// Moves what a linear renderer drew, bars and text, `dx` units to the right.
void ShiftRight(DrawList& list, double dx) {
  for (DrawList::Mark& mark : list.marks) {
    if (auto* bar = std::get_if<DrawList::Bar>(&mark)) bar->rect.x += dx;
    if (auto* bearer = std::get_if<DrawList::Bearer>(&mark)) bearer->rect.x += dx;
    if (auto* text = std::get_if<DrawList::Text>(&mark)) text->x += int(dx);
    if (auto* centred = std::get_if<DrawList::CentredText>(&mark)) centred->x += dx;
  }
  list.width += dx;
}

}  // namespace

void DrawComponentAbove(DrawList& list, const EncodedSymbol& symbol, double firstBar) {
  const ModuleGrid& grid = symbol.grid;
  const double barTop = list.height;
  double top = barTop;
  for (const double row : grid.rowHeights) top += row;
  list.height = top;
  double left = firstBar - double(symbol.variant);
  // EAN-8's CC-B component is wider than the symbol with its quiet zones: the
  // image grows to hold it, the linear symbol moved right under it.
  if (left < 0) {
    ShiftRight(list, -left);
    left = 0;
  }
  list.width = std::max(list.width, left + double(grid.columns));
  for (std::size_t y = 0; y < grid.rows && y < grid.rowHeights.size(); ++y) {
    top -= grid.rowHeights[y];
    for (std::size_t x = 0; x < grid.columns; ++x) {
      if (grid.modules[y * grid.columns + x] == '1') {
        list.marks.emplace_back(DrawList::Bar{Rect{left + double(x), top, 1, grid.rowHeights[y]}});
      }
    }
  }
}

}  // namespace kbc
