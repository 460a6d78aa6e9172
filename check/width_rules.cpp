#include "check/width_rules.h"

#include "matrix/qr_code.h"
#include "platform/mac_roman.h"

namespace kbc {
namespace {

std::string Count(std::size_t n) { return std::to_string(n); }

// Square 2-D symbols draw every module 3 × 3 units.
SymbolExtent SquareSymbolExtent(int side) { return {3 * std::int64_t(side), 3.0 * side}; }

SymbolExtent QrExtent(const std::u32string& data, QrVariant variant, std::string_view name) {
  const std::optional<std::string> bytes = EncodeMacRoman(data);
  if (!bytes) return SymbolExtent::Refused(std::string(name) + " data must be Mac OS Roman text");
  if (bytes->find('\0') != std::string::npos) {
    return SymbolExtent::Refused(std::string(name) + " data cannot hold a NUL character");
  }
  const int side = QrSymbolSide(data, variant);
  if (side == 0) {
    return SymbolExtent::Refused("the data is too long for any " + std::string(name) + " symbol (" +
                                 Count(bytes->size()) + " bytes)");
  }
  return SquareSymbolExtent(side);
}

}  // namespace

SymbolExtent QrCodeExtent(std::u32string& d, std::u32string&) { return QrExtent(d, QrVariant::kQrCode, "QR Code"); }

SymbolExtent MicroQrExtent(std::u32string& d, std::u32string&) { return QrExtent(d, QrVariant::kMicroQr, "Micro QR"); }

}  // namespace kbc
