#include "matrix/data_matrix_render.h"

#include "matrix/data_matrix.h"
#include "matrix/matrix_frame.h"

namespace kbc {
namespace {

constexpr double kModuleUnits = 3;

MatrixSize DataMatrixSize(std::u32string_view data) {
  const auto side = std::size_t(DataMatrixSymbolSide(data));
  return {side, side};
}

constexpr MatrixSymbology kDataMatrixSymbology{kModuleUnits, kModuleUnits, true, DataMatrixSize,
                                               DataMatrixModuleString};

}  // namespace

void RenderDataMatrix(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderMatrixSymbol(target, settings, kDataMatrixSymbology);
}

}  // namespace kbc
