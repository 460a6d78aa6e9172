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

void RenderMatrixSymbol(DrawingTarget* target, const BarcodeSettings& settings, const MatrixSymbology& symbology) {
  const MatrixSize size = symbology.sizeQuery(settings.data);
  std::vector<double> rowHeights;
  if (symbology.rowHeights != nullptr) symbology.rowHeights(settings.data, rowHeights);
  rowHeights.resize(size.rows, symbology.moduleHeight);
  // Bottom edge of each row, counted from the top row down.
  std::vector<double> rowBottoms(size.rows);
  double height = 0;
  for (const double rowHeight : rowHeights) height += rowHeight;
  double top = height;
  for (std::size_t y = 0; y < size.rows; ++y) {
    top -= rowHeights[y];
    rowBottoms[y] = top;
  }
  const double width = double(size.columns) * symbology.moduleWidth;
  // Colours, background and both documents are begun exactly as for the
  // linear symbols; only the drawing between differs.
  const LinearFrame frame = BeginLinearFrame(target, settings, width, height);

  ModuleString modules;
  symbology.buildModules(settings.data, modules);
  const std::size_t rowLength = symbology.square ? IntegerSquareRoot(modules.size()) : size.columns;
  if (rowLength > 0) {
    // A version-40 QR symbol has 185 × 185 modules: the index needs more than 16 bits.
    for (std::size_t i = 0; i < modules.size(); ++i) {
      if (modules[i] != '1') continue;
      const std::size_t x = i % rowLength;
      const std::size_t y = i / rowLength;
      if (y >= size.rows) break;
      FillBar(frame, Rect{double(x) * symbology.moduleWidth, rowBottoms[y], symbology.moduleWidth, rowHeights[y]});
    }
  }
  EndLinearFrame(frame);
}

}  // namespace kbc
