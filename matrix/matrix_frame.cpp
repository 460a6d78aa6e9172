#include "matrix/matrix_frame.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "render/linear_frame.h"

namespace kbc {

namespace {

// Room below the modules for a line of text, its baseline 2 units up, as
// under the Code 128 bars.
constexpr double kTextRoom = 12;
constexpr double kBaseline = 2;

bool DrawsText(const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  if (symbol.text.empty() || settings.showText != 1) return false;
  return symbol.variant == kMatrixTextLine || (symbol.variant == kMatrixTextWhenAsked && settings.textAsked == 1);
}

}  // namespace

void RenderMatrixSymbol(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const ModuleGrid& grid = symbol.grid;
  const double textRoom = DrawsText(settings, symbol) ? kTextRoom : 0;
  std::vector<double> rowHeights = grid.rowHeights;
  rowHeights.resize(grid.rows, grid.moduleHeight);
  // Bottom edge of each row, counted from the top row down.
  std::vector<double> rowBottoms(grid.rows);
  double height = textRoom;
  for (const double rowHeight : rowHeights) height += rowHeight;
  double top = height;
  for (std::size_t y = 0; y < grid.rows; ++y) {
    top -= rowHeights[y];
    rowBottoms[y] = top;
  }
  // The list is begun exactly as for the linear symbols; only the marks differ.
  const LinearFrame frame = BeginLinearFrame(list, settings, double(grid.columns) * grid.moduleWidth, height);
  if (grid.columns > 0) {
    // One mark per row of modules, not one per module: a raster fills a row's
    // runs at once, the other targets still draw each dark module.
    const std::string_view modules =
        std::string_view(grid.modules).substr(0, std::min(grid.modules.size(), grid.rows * grid.columns));
    const std::size_t base = list.modules.size();
    list.modules += modules;
    for (std::size_t y = 0; y * grid.columns < modules.size(); ++y) {
      const std::string_view row = modules.substr(y * grid.columns, grid.columns);
      if (row.find('1') == std::string_view::npos) continue;
      list.marks.emplace_back(
          DrawList::ModuleRow{rowBottoms[y], rowHeights[y], grid.moduleWidth, base + y * grid.columns, row.size()});
    }
  }
  if (textRoom > 0) {
    const double width = frame.width;
    DrawCentredText(frame, width / 2, kBaseline, FittingFontSize(settings.fontSize, width, symbol.text.size()),
                    symbol.text);
  }
}

}  // namespace kbc
