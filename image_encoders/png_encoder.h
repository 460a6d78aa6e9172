// A bitmap encoded as PNG file contents, in memory.
#pragma once

#include <optional>
#include <string>

#include "image_encoders/bitmap_view.h"

namespace kbc {

// 8-bit RGB without alpha; RGB bitmaps only.
std::optional<std::string> EncodePng(const BitmapView& bitmap, std::string& error);

}  // namespace kbc
