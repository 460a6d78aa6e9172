// QR Code and Micro QR: symbol sides, refusals and module grids.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/symbology.h"
#include "matrix/qr_code.h"

namespace kbc {
namespace {

// The side includes the quiet zone and every module is 3 units square; data
// no symbol holds is refused with its reason.
TEST(EncodeQr, KnownSidesAndRefusals) {
  const struct {
    const char* source;
    Encoder encode;
    std::u32string data;
    std::size_t side;     // 0: refused
    const char* refusal;  // part of the reason
  } rows[] = {
      {"2953 bytes fill version 40-L in 8-bit mode", EncodeQrCode, std::u32string(2953, U'a'), 185, ""},
      {"3000 lower-case letters exceed version 40-L", EncodeQrCode, std::u32string(3000, U'a'), 0,
       "too long for any QR Code symbol (3000 bytes)"},
      {"lower-case letters need 8-bit mode, M3: 15 + 4", EncodeMicroQr, U"hello", 19, ""},
      {"15 Mac OS Roman bytes fill M4-L: 17 + 4", EncodeMicroQr, std::u32string(15, U'\u00E9'), 21, ""},
      {"16 bytes exceed M4-L", EncodeMicroQr, std::u32string(16, U'q'), 0, "too long for any Micro QR symbol (16 bytes)"},
      {"a character without a Mac OS Roman byte", EncodeQrCode, U"A\u4E00", 0, "QR Code data must be Mac OS Roman"},
      {"a NUL would cut the data short", EncodeQrCode, std::u32string(U"A\0B", 3), 0, "cannot hold a NUL"},
  };
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = row.encode(row.data, U"", {});
    EXPECT_NE(symbol.refusal.find(row.refusal), std::string::npos) << row.source << ": " << symbol.refusal;
    ASSERT_EQ(bool(symbol), row.side > 0) << row.source;
    if (!symbol) continue;
    EXPECT_EQ(symbol->width, std::int64_t(3 * row.side)) << row.source;
    EXPECT_EQ(symbol->grid.columns, row.side) << row.source;
    EXPECT_EQ(symbol->grid.rows, row.side) << row.source;
    EXPECT_EQ(symbol->grid.modules.size(), row.side * row.side) << row.source;
    EXPECT_EQ(symbol->height, 3.0 * double(row.side)) << row.source;
    EXPECT_EQ(symbol->encoded, row.data) << row.source;
  }
}

// The rows come from an independent encoder (zint 2.11 --dump) told the version,
// level L and the mask our library chose; they catch a mirrored, transposed or
// shifted module string, which decoders would still read.
TEST(EncodeQr, ModulesMatchAnIndependentEncoderInsideTheQuietZone) {
  const struct {
    const char* source;
    QrVariant variant;
    std::u32string data;
    std::size_t width;
    std::string modules;  // the symbol without its quiet zone, rows top first
  } symbols[] = {
      {"zint -b 58 --vers=1 --secure=1 --mask=7 -d 01234567", QrVariant::kQrCode, U"01234567", 21,
       "111111100010101111111" "100000101010101000001" "101110101011001011101" "101110100000101011101"
       "101110101111101011101" "100000101110001000001" "111111101010101111111" "000000001000000000000"
       "110100110011101110110" "001101001001010100010" "110010101101001111100" "111100010100111111011"
       "101010111101011100001" "000000001010011010000" "111111101111101011000" "100000100000001001011"
       "101110100100111001111" "101110101110011100111" "101110100111011100101" "100000101011100101010"
       "111111101100010101100"},
      {"zint -b 97 --secure=1 --mask=2 -d 12345", QrVariant::kMicroQr, U"12345", 11,
       "11111110101" "10000010110" "10111010100" "10111010000" "10111010111" "10000010011"
       "11111110100" "00000000011" "11001110011" "01010001100" "11110000011"},
  };
  for (const auto& symbol : symbols) {
    const Encoder encode = symbol.variant == QrVariant::kMicroQr ? EncodeMicroQr : EncodeQrCode;
    const std::string modules = encode(symbol.data, U"", {})->grid.modules;
    const std::size_t margin = std::size_t(QrQuietZone(symbol.variant)), side = symbol.width + 2 * margin;
    ASSERT_EQ(modules.size(), side * side) << symbol.source;
    std::string inside;
    for (std::size_t row = margin; row < margin + symbol.width; ++row) {
      inside += modules.substr(row * side + margin, symbol.width);
    }
    EXPECT_EQ(inside, symbol.modules) << symbol.source;
    EXPECT_EQ(std::ranges::count(modules, '1'), std::ranges::count(inside, '1')) << "quiet zone " << symbol.source;
  }
}

}  // namespace
}  // namespace kbc
