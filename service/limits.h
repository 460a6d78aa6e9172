// The bounds of what one request may ask of the service.
#pragma once

#include <cstddef>

namespace kbc {

struct RequestLimits {
  std::size_t dataBytes = 8192;  // the data field, as sent
  // Pixels of one bitmap: a 4-megapixel RGBA bitmap is 16 MB, so a handful
  // of workers stay far below the memory a small container gets.
  std::size_t bitmapPixels = std::size_t(1) << 22;
  std::size_t batchRows = 1000;  // rows of one batch, its header not counted
};

}  // namespace kbc
