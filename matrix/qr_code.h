// QR Code and Micro QR over libqrencode: the encoding parameters (QR Code's
// level, version and ECI from the request), the Micro QR version search, the
// quiet zone, and the symbol as the renderer draws it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoded_symbol.h"

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

// The symbol's module grid with the quiet zone on every side, 3 × 3 units a module.
EncodedSymbol QrEncodedSymbol(const QrSymbol& symbol, QrVariant variant);

// 'L', 'M', 'Q' or 'H'.
char QrLevelLetter(QrLevel level);

// The rows' encoders: the symbol of the data, or why there is none. QR Code
// takes the level, version and ECI of the options; Micro QR none of them.
Result<EncodedSymbol> EncodeQrCode(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeMicroQr(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

}  // namespace kbc
