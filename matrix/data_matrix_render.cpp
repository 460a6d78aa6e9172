#include "matrix/data_matrix_render.h"

#include "matrix/data_matrix.h"
#include "matrix/gs1_matrix.h"
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

constexpr MatrixSymbology kGs1DataMatrixSymbology{kModuleUnits, kModuleUnits, true, Gs1DataMatrixSize,
                                                  Gs1DataMatrixModules};

}  // namespace

void RenderDataMatrix(DrawingTarget* target, const BarcodeSettings& settings) {
  if (settings.gs1 == 1) return RenderMatrixSymbol(target, settings, kGs1DataMatrixSymbology);
  RenderMatrixSymbol(target, settings, kDataMatrixSymbology);
}

}  // namespace kbc
