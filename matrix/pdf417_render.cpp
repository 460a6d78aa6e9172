#include "matrix/pdf417_render.h"

#include "matrix/matrix_frame.h"
#include "matrix/pdf417.h"

namespace kbc {
namespace {

MatrixSize Pdf417Size(std::u32string_view data) {
  return {std::size_t(Pdf417ModuleWidth(data)), std::size_t(Pdf417RowCount(data))};
}

constexpr MatrixSymbology kPdf417Symbology{1, 2, false, Pdf417Size, Pdf417ModuleString};

}  // namespace

void RenderPdf417(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderMatrixSymbol(target, settings, kPdf417Symbology);
}

}  // namespace kbc
