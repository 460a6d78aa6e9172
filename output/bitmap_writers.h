// The PNG, JPEG and TIFF files' bytes, drawn on the raster canvas.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/result.h"
#include "core/settings.h"
#include "dispatch/data_check.h"

namespace kbc {

// The pixels of the bitmap a PNG, JPEG or TIFF writer draws for the request:
// 0 when it draws none (the data cannot be drawn, or the bitmap is too large).
std::size_t BitmapPixelCount(const BarcodeSettings& settings, const DataCheck& check);

// The sides in pixels of the bitmap a writer draws for the request, as turned.
struct BitmapSides {
  std::int64_t wide = 0;
  std::int64_t high = 0;
};
BitmapSides BitmapSidesOf(const BarcodeSettings& settings, const CheckedSymbol& checked);

// PNG and JPEG convert the colours to RGB, as their files hold them.
Result<std::string> RenderPngBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);
Result<std::string> RenderJpegBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);
Result<std::string> RenderTiffBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);

}  // namespace kbc
