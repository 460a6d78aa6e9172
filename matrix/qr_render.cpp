#include "matrix/qr_render.h"

#include "matrix/matrix_frame.h"
#include "matrix/gs1_matrix.h"
#include "matrix/qr_code.h"

namespace kbc {
namespace {

constexpr double kQrModuleUnits = 3;

template <QrVariant variant>
MatrixSize QrSize(std::u32string_view data) {
  const auto side = std::size_t(QrSymbolSide(data, variant));
  return {side, side};
}

template <QrVariant variant>
void QrModules(std::u32string_view data, ModuleString& out) {
  QrModuleString(data, out, variant);
}

template <QrVariant variant>
constexpr MatrixSymbology kQrSymbology{kQrModuleUnits, kQrModuleUnits, true, QrSize<variant>, QrModules<variant>};

constexpr MatrixSymbology kGs1QrSymbology{kQrModuleUnits, kQrModuleUnits, true, Gs1QrSize, Gs1QrModules};

}  // namespace

void RenderQrCode(DrawingTarget* target, const BarcodeSettings& settings) {
  if (settings.gs1 == 1) return RenderMatrixSymbol(target, settings, kGs1QrSymbology);
  RenderMatrixSymbol(target, settings, kQrSymbology<QrVariant::kQrCode>);
}

void RenderMicroQr(DrawingTarget* target, const BarcodeSettings& settings) {
  RenderMatrixSymbol(target, settings, kQrSymbology<QrVariant::kMicroQr>);
}

}  // namespace kbc
