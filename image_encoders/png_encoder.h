// A bitmap encoded as PNG file contents, in memory.
#pragma once

#include <optional>
#include <string>

#include "core/result.h"
#include "image_encoders/bitmap_view.h"

namespace kbc {

// 8-bit RGB without alpha; RGB bitmaps only.
Result<std::string> EncodePng(const BitmapView& bitmap);

}  // namespace kbc
