#include "matrix/dotcode.h"

#include "matrix/zint_symbols.h"
#include "render/linear_frame.h"

namespace kbc {
namespace {

// Cells of 3 units, as Data Matrix modules. A dot is 0.8 of a cell across:
// dots stand only on diagonal neighbours, 1.41 cells apart, so they never
// touch, and the printer's spread does not join them.
constexpr double kCellUnits = 3;
constexpr double kDotRadius = 0.4 * kCellUnits;

constexpr ZintRequest kDotCode{.name = "DotCode", .symbology = BARCODE_DOTCODE, .shape = ZintShape::Grid,
                               .moduleUnits = kCellUnits, .rowUnits = kCellUnits};

}  // namespace

Result<EncodedSymbol> EncodeDotCode(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  ZintRequest request = kDotCode;
  request.option2 = options.dotCodeColumns;
  return EncodeThroughZint(request, data);
}

void RenderDotCode(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const ModuleGrid& grid = symbol.grid;
  const double height = double(grid.rows) * kCellUnits;
  BeginLinearFrame(list, settings, double(grid.columns) * kCellUnits, height);
  for (std::size_t i = 0; i < grid.modules.size() && grid.columns > 0; ++i) {
    if (grid.modules[i] != '1') continue;
    const double x = (double(i % grid.columns) + 0.5) * kCellUnits;
    const double y = height - (double(i / grid.columns) + 0.5) * kCellUnits;
    list.marks.emplace_back(DrawList::Ring{Point{x, y}, kDotRadius, 0});
  }
}

}  // namespace kbc
