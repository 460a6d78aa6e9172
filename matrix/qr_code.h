// QR Code and Micro QR over libqrencode: the encoding parameters, the Micro QR
// version search, the quiet zone, and the two answers the rest of the system
// asks for (the symbol side and the module string).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kbc {

enum class QrVariant : int { kQrCode = 1, kMicroQr = 2 };

// One encoded symbol without its quiet zone: width × width modules, row-major,
// top row first, 1 for a dark module.
struct QrSymbol {
  int width = 0;
  std::vector<std::uint8_t> modules;
};

// Light modules on each side of the symbol: 4 for QR Code, 2 for Micro QR.
constexpr int QrQuietZone(QrVariant variant) { return variant == QrVariant::kMicroQr ? 2 : 4; }

// Encodes the text as Mac OS Roman bytes at level L with the 8-bit hint,
// case-sensitive: QR Code at the smallest version 1..40 that holds it, Micro QR
// at the first of M1..M4 that does. Nothing when no symbol holds the data, or
// when the text has a character without a Mac OS Roman byte or a NUL (the
// library reads a NUL-terminated string, so anything after it would be lost).
std::optional<QrSymbol> EncodeQrSymbol(std::u32string_view data, QrVariant variant);

// The two answers below share the run's last encoding: asking both, or asking
// again for the same data, encodes it once.

// Modules per side including the quiet zone on both sides; 0 when the data
// cannot be encoded, so the data check refuses it.
int QrSymbolSide(std::u32string_view data, QrVariant variant);

// Replaces out with the module string of the symbol including its quiet zone:
// side × side characters, '1' dark and '0' light, top row first. Left empty
// when the data cannot be encoded.
void QrModuleString(std::u32string_view data, std::string& out, QrVariant variant);

}  // namespace kbc
