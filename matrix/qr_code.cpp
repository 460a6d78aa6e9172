#include "matrix/qr_code.h"

#include <qrencode.h>

#include <memory>

#include "platform/mac_roman.h"
#include "platform/library_names.h"
#include "platform/shared_library.h"

namespace kbc {
namespace {

// libqrencode, opened by the first QR encoding of a run (see platform/shared_library.h).
struct QrEncodeLibrary {
  SharedLibrary library{kQrencodeLibrary};
  decltype(QRcode_encodeString)* encodeString = nullptr;
  decltype(QRcode_encodeStringMQR)* encodeStringMqr = nullptr;
  decltype(QRcode_free)* free = nullptr;
  bool usable = library.Bind(encodeString, "QRcode_encodeString") &&
                library.Bind(encodeStringMqr, "QRcode_encodeStringMQR") && library.Bind(free, "QRcode_free");
};

const QrEncodeLibrary& QrEncode() {
  static const QrEncodeLibrary library;
  return library;
}

struct QrCodeFree {
  void operator()(QRcode* code) const { QrEncode().free(code); }
};
using QrCodeHandle = std::unique_ptr<QRcode, QrCodeFree>;

constexpr int kMicroQrLastVersion = 4;

QrCodeHandle EncodeBytes(const std::string& bytes, QrVariant variant) {
  const QrEncodeLibrary& qr = QrEncode();
  if (!qr.usable) return nullptr;
  if (variant == QrVariant::kQrCode) {
    return QrCodeHandle(qr.encodeString(bytes.c_str(), 0, QR_ECLEVEL_L, QR_MODE_8, 1));
  }
  // M1 takes digits only and M2 no 8-bit data, so the smallest version that
  // holds the data under the library's segmentation wins.
  for (int version = 1; version <= kMicroQrLastVersion; ++version) {
    QrCodeHandle code(qr.encodeStringMqr(bytes.c_str(), version, QR_ECLEVEL_L, QR_MODE_8, 1));
    if (code) return code;
  }
  return nullptr;
}

}  // namespace

std::optional<QrSymbol> EncodeQrSymbol(std::u32string_view data, QrVariant variant) {
  const std::optional<std::string> bytes = EncodeMacRoman(data);
  if (!bytes || bytes->find('\0') != std::string::npos) return std::nullopt;
  const QrCodeHandle code = EncodeBytes(*bytes, variant);
  if (!code || code->width <= 0) return std::nullopt;

  QrSymbol symbol;
  symbol.width = code->width;
  const std::size_t count = std::size_t(code->width) * std::size_t(code->width);
  symbol.modules.resize(count);
  // Bit 0 of each library byte is the module colour; the other bits describe
  // the module's role (finder, timing, data) and are not drawn.
  for (std::size_t i = 0; i < count; ++i) symbol.modules[i] = code->data[i] & 1u;
  return symbol;
}

namespace {

// A run asks for the same data's symbol up to four times (the writer's and the
// placement's data checks, the renderer's size query and its module string), and
// encoding a version-40 symbol costs about a quarter of writing its whole SVG
// document. So the last symbol encoded is kept for the rest of the run: the one
// piece of mutable state the encoders keep, per thread, keyed by the whole input.
struct LastEncoding {
  bool filled = false;
  QrVariant variant = QrVariant::kQrCode;
  std::u32string data;
  std::optional<QrSymbol> symbol;
};

const std::optional<QrSymbol>& MemoisedQrSymbol(std::u32string_view data, QrVariant variant) {
  thread_local LastEncoding last;
  if (!last.filled || last.variant != variant || last.data != data) {
    last.symbol = EncodeQrSymbol(data, variant);
    last.variant = variant;
    last.data = data;
    last.filled = true;
  }
  return last.symbol;
}

}  // namespace

int QrSymbolSide(std::u32string_view data, QrVariant variant) {
  const std::optional<QrSymbol>& symbol = MemoisedQrSymbol(data, variant);
  return symbol ? symbol->width + 2 * QrQuietZone(variant) : 0;
}

void QrModuleString(std::u32string_view data, std::string& out, QrVariant variant) {
  out.clear();
  const std::optional<QrSymbol>& symbol = MemoisedQrSymbol(data, variant);
  if (!symbol) return;

  const std::size_t margin = std::size_t(QrQuietZone(variant));
  const std::size_t width = std::size_t(symbol->width);
  const std::size_t side = width + 2 * margin;
  // Light everywhere, the quiet zone included; then the dark modules.
  out.assign(side * side, '0');
  for (std::size_t row = 0; row < width; ++row) {
    char* line = out.data() + (row + margin) * side + margin;
    for (std::size_t column = 0; column < width; ++column) {
      if (symbol->modules[row * width + column]) line[column] = '1';
    }
  }
}

}  // namespace kbc
