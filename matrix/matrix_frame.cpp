#include "matrix/matrix_frame.h"

#include <cmath>

#include "render/linear_frame.h"

namespace kbc {
namespace {

// The largest g with g × g ≤ length: the side of a square module string.
std::size_t IntegerSquareRoot(std::size_t length) {
  auto root = std::size_t(std::sqrt(double(length)));
  while (root * root > length) --root;
  while ((root + 1) * (root + 1) <= length) ++root;
  return root;
}

}  // namespace

void RenderMatrixSymbol(DrawingTarget* target, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const ModuleGrid& grid = symbol.grid;
  std::vector<double> rowHeights = grid.rowHeights;
  rowHeights.resize(grid.rows, grid.moduleHeight);
  // Bottom edge of each row, counted from the top row down.
  std::vector<double> rowBottoms(grid.rows);
  double height = 0;
  for (const double rowHeight : rowHeights) height += rowHeight;
  double top = height;
  for (std::size_t y = 0; y < grid.rows; ++y) {
    top -= rowHeights[y];
    rowBottoms[y] = top;
  }
  // Colours, background and both documents are begun exactly as for the
  // linear symbols; only the drawing between differs.
  const LinearFrame frame = BeginLinearFrame(target, settings, double(grid.columns) * grid.moduleWidth, height);
  if (grid.columns > 0) {
    // A version-40 QR symbol has 185 × 185 modules: the index needs more than 16 bits.
    for (std::size_t i = 0; i < grid.modules.size(); ++i) {
      if (grid.modules[i] != '1') continue;
      const std::size_t x = i % grid.columns;
      const std::size_t y = i / grid.columns;
      if (y >= grid.rows) break;
      FillBar(frame, Rect{double(x) * grid.moduleWidth, rowBottoms[y], grid.moduleWidth, rowHeights[y]});
    }
  }
  EndLinearFrame(frame);
}

void RenderMatrixSymbol(DrawingTarget* target, const BarcodeSettings& settings, const MatrixSymbology& symbology) {
  const MatrixSize size = symbology.sizeQuery(settings.data);
  EncodedSymbol symbol;
  ModuleGrid& grid = symbol.grid;
  symbology.buildModules(settings.data, grid.modules);
  grid.columns = symbology.square ? IntegerSquareRoot(grid.modules.size()) : size.columns;
  grid.rows = size.rows;
  grid.moduleWidth = symbology.moduleWidth;
  grid.moduleHeight = symbology.moduleHeight;
  RenderMatrixSymbol(target, settings, symbol);
}

}  // namespace kbc
