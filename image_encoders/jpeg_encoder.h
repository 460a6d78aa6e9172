// A bitmap encoded as JPEG file contents, in memory.
#pragma once

#include <optional>
#include <string>

#include "core/result.h"
#include "image_encoders/bitmap_view.h"

namespace kbc {

// Quality 100 with every component at full resolution (no chroma subsampling),
// so bar edges stay sharp; RGB bitmaps only.
Result<std::string> EncodeJpeg(const BitmapView& bitmap);

}  // namespace kbc
