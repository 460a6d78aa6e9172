// The PNG, JPEG and TIFF files' bytes, drawn on the raster canvas.
#pragma once

#include <cstddef>

#include "core/settings.h"
#include "dispatch/data_check.h"
#include "output/file_bytes.h"

namespace kbc {

// The pixels of the bitmap a PNG, JPEG or TIFF writer draws for the request:
// 0 when it draws none (the data cannot be drawn, or the bitmap is too large).
std::size_t BitmapPixelCount(const BarcodeSettings& settings, const DataCheck& check);

// width and height are the fallback image size of the placeholder drawn when
// the data cannot be drawn (the command line passes 0 and 0). PNG and JPEG
// convert the colours to RGB, as their files hold them.
FileRendering RenderPngBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height);
FileRendering RenderJpegBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height);
FileRendering RenderTiffBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height);

}  // namespace kbc
