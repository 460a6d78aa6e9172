// A bitmap encoded as TIFF file contents, in memory.
#pragma once

#include <optional>
#include <string>

#include "core/result.h"
#include "image_encoders/bitmap_view.h"

namespace kbc {

// Lossless (deflate). RGB; CMYK as separated ink with the CMYK ink set, 0 no ink;
// grey with 0 black.
Result<std::string> EncodeTiff(const BitmapView& bitmap);

}  // namespace kbc
