#include "matrix/qr_code.h"

#include <qrencode.h>

#include <memory>

#include "platform/library_names.h"
#include "platform/shared_library.h"
#include "text/mac_roman.h"

namespace kbc {
namespace {

// libqrencode, opened by the first QR encoding of a run (see platform/shared_library.h).
struct QrEncodeLibrary {
  SharedLibrary library{kQrencodeLibrary};
  decltype(QRcode_encodeString)* encodeString = nullptr;
  decltype(QRcode_encodeStringMQR)* encodeStringMqr = nullptr;
  decltype(QRcode_free)* free = nullptr;
  decltype(QRinput_new2)* newInput = nullptr;
  decltype(QRinput_appendECIheader)* appendEci = nullptr;
  decltype(QRinput_append)* append = nullptr;
  decltype(QRcode_encodeInput)* encodeInput = nullptr;
  decltype(QRinput_free)* freeInput = nullptr;
  bool usable = library.Bind(encodeString, "QRcode_encodeString") &&
                library.Bind(encodeStringMqr, "QRcode_encodeStringMQR") && library.Bind(free, "QRcode_free") &&
                library.Bind(newInput, "QRinput_new2") && library.Bind(appendEci, "QRinput_appendECIheader") &&
                library.Bind(append, "QRinput_append") && library.Bind(encodeInput, "QRcode_encodeInput") &&
                library.Bind(freeInput, "QRinput_free");
};

const QrEncodeLibrary& QrEncode() {
  static const QrEncodeLibrary library;
  return library;
}

struct QrCodeFree {
  void operator()(QRcode* code) const { QrEncode().free(code); }
};
using QrCodeHandle = std::unique_ptr<QRcode, QrCodeFree>;

struct QrInputFree {
  void operator()(QRinput* input) const { QrEncode().freeInput(input); }
};
using QrInputHandle = std::unique_ptr<QRinput, QrInputFree>;

constexpr QRecLevel LibraryLevel(QrLevel level) {
  switch (level) {
    case QrLevel::M:
      return QR_ECLEVEL_M;
    case QrLevel::Q:
      return QR_ECLEVEL_Q;
    case QrLevel::H:
      return QR_ECLEVEL_H;
    case QrLevel::L:
      break;
  }
  return QR_ECLEVEL_L;
}

constexpr int kMicroQrLastVersion = 4;

constexpr std::int64_t kModuleUnits = 3;  // units a module takes across and up

// With an ECI the bytes go in one 8-bit segment behind the ECI header; without
// one the library splits them into the shortest run of segments.
QrCodeHandle EncodeQrCodeBytes(const QrEncodeLibrary& qr, const std::string& bytes, const SymbolOptions& options) {
  const QRecLevel level = LibraryLevel(options.qrLevel);
  if (options.eci == kNoEci) return QrCodeHandle(qr.encodeString(bytes.c_str(), options.qrVersion, level, QR_MODE_8, 1));
  const QrInputHandle input(qr.newInput(options.qrVersion, level));
  if (!input || qr.appendEci(input.get(), unsigned(options.eci)) != 0 ||
      qr.append(input.get(), QR_MODE_8, int(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.data())) != 0) {
    return nullptr;
  }
  return QrCodeHandle(qr.encodeInput(input.get()));
}

QrCodeHandle EncodeBytes(const std::string& bytes, QrVariant variant, const SymbolOptions& options) {
  const QrEncodeLibrary& qr = QrEncode();
  if (!qr.usable) return nullptr;
  if (variant == QrVariant::kQrCode) {
    QrCodeHandle code = EncodeQrCodeBytes(qr, bytes, options);
    // The library grows the symbol past a version that is too small; a version
    // asked for is kept or the data refused.
    if (code && options.qrVersion != 0 && code->version != options.qrVersion) return nullptr;
    return code;
  }
  // M1 takes digits only and M2 no 8-bit data, so the smallest version that
  // holds the data under the library's segmentation wins.
  for (int version = 1; version <= kMicroQrLastVersion; ++version) {
    QrCodeHandle code(qr.encodeStringMqr(bytes.c_str(), version, QR_ECLEVEL_L, QR_MODE_8, 1));
    if (code) return code;
  }
  return nullptr;
}

// Nothing when the data has a NUL or no symbol holds it.
std::optional<QrSymbol> EncodeBytesSymbol(const std::string& bytes, QrVariant variant, const SymbolOptions& options) {
  if (bytes.find('\0') != std::string::npos) return std::nullopt;
  const QrCodeHandle code = EncodeBytes(bytes, variant, options);
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

// "QR Code version 3-H", or "any QR Code symbol" where the version is the library's to choose.
std::string SymbolAskedFor(const std::string& name, const SymbolOptions& options) {
  if (options.qrVersion == 0 && options.qrLevel == QrLevel::L) return "any " + name + " symbol";
  if (options.qrVersion == 0) return "any " + name + " symbol at level " + std::string(1, QrLevelLetter(options.qrLevel));
  return name + " version " + std::to_string(options.qrVersion) + "-" + std::string(1, QrLevelLetter(options.qrLevel));
}

Result<EncodedSymbol> EncodeQr(std::u32string_view data, QrVariant variant, const std::string& name,
                               const SymbolOptions& options) {
  const std::optional<std::string> bytes = EncodeMacRoman(data);
  if (!bytes) return Refusal(name + " data must be Mac OS Roman text");
  if (bytes->find('\0') != std::string::npos) return Refusal(name + " data cannot hold a NUL character");
  const std::optional<QrSymbol> symbol = EncodeBytesSymbol(*bytes, variant, options);
  if (!symbol) {
    return Refusal("the data is too long for " + SymbolAskedFor(name, options) + " (" + std::to_string(bytes->size()) +
                   " bytes)");
  }
  EncodedSymbol encoded = QrEncodedSymbol(*symbol, variant);
  encoded.encoded = data;
  return encoded;
}

}  // namespace

std::optional<QrSymbol> EncodeQrSymbol(std::u32string_view data, QrVariant variant) {
  const std::optional<std::string> bytes = EncodeMacRoman(data);
  if (!bytes) return std::nullopt;
  return EncodeBytesSymbol(*bytes, variant, {});
}

EncodedSymbol QrEncodedSymbol(const QrSymbol& symbol, QrVariant variant) {
  const std::size_t margin = std::size_t(QrQuietZone(variant));
  const std::size_t width = std::size_t(symbol.width);
  const std::size_t side = width + 2 * margin;
  EncodedSymbol encoded;
  encoded.width = kModuleUnits * std::int64_t(side);
  encoded.height = double(encoded.width);
  ModuleGrid& grid = encoded.grid;
  grid.columns = side;
  grid.rows = side;
  grid.moduleWidth = kModuleUnits;
  grid.moduleHeight = kModuleUnits;
  // Light everywhere, the quiet zone included; then the dark modules.
  grid.modules.assign(side * side, '0');
  for (std::size_t row = 0; row < width; ++row) {
    char* line = grid.modules.data() + (row + margin) * side + margin;
    for (std::size_t column = 0; column < width; ++column) {
      if (symbol.modules[row * width + column]) line[column] = '1';
    }
  }
  return encoded;
}

char QrLevelLetter(QrLevel level) { return "LMQH"[int(level)]; }

Result<EncodedSymbol> EncodeQrCode(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  return EncodeQr(data, QrVariant::kQrCode, "QR Code", options);
}

Result<EncodedSymbol> EncodeMicroQr(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeQr(data, QrVariant::kMicroQr, "Micro QR", {});
}

}  // namespace kbc
