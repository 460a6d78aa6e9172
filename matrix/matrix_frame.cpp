#include "matrix/matrix_frame.h"

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
    // Room for every module to be dark, rather than a pass to count them.
    list.marks.reserve(grid.modules.size());
    // A version-40 QR symbol has 185 × 185 modules: the index needs more than 16 bits.
    for (std::size_t i = 0; i < grid.modules.size(); ++i) {
      if (grid.modules[i] != '1') continue;
      const std::size_t x = i % grid.columns;
      const std::size_t y = i / grid.columns;
      if (y >= grid.rows) break;
      FillBar(frame, Rect{double(x) * grid.moduleWidth, rowBottoms[y], grid.moduleWidth, rowHeights[y]});
    }
  }
  if (textRoom > 0) {
    const double width = frame.width;
    DrawCentredText(frame, width / 2, kBaseline, FittingFontSize(settings.fontSize, width, symbol.text.size()),
                    symbol.text);
  }
}

}  // namespace kbc
