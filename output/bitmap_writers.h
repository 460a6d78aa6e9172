// The PNG, JPEG and TIFF files' bytes, drawn on the raster canvas.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "core/result.h"
#include "core/settings.h"
#include "dispatch/data_check.h"

namespace kbc {

// The pixels of the bitmap a PNG, JPEG or TIFF writer draws for the request:
// 0 when it draws none (the data cannot be drawn, or the bitmap is too large).
std::size_t BitmapPixelCount(const BarcodeSettings& settings, const DataCheck& check);

// The sides in pixels of the bitmap the writers draw for the request, as the
// file holds it (turned); none when they draw none.
std::optional<std::pair<int, int>> BitmapSides(const BarcodeSettings& settings, const DataCheck& check);

// PNG and JPEG convert the colours to RGB, as their files hold them.
Result<std::string> RenderPngBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);
Result<std::string> RenderJpegBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);
Result<std::string> RenderTiffBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);

}  // namespace kbc
