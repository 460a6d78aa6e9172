#include "canvas/turned_pixels.h"

#include <algorithm>
#include <cstddef>

namespace kbc {

TurnedPixels TurnPixels(std::span<const std::uint8_t> pixels, int width, int height, int channels,
                        int quarterTurns) {
  const bool sidesSwap = quarterTurns % 2 != 0;
  TurnedPixels turned{sidesSwap ? height : width, sidesSwap ? width : height, {}};
  turned.pixels.resize(pixels.size());
  const auto pixel = std::size_t(channels);
  std::uint8_t* out = turned.pixels.data();
  // Each pixel of the turned image, row by row, taken from where it came from.
  for (int row = 0; row < turned.height; ++row) {
    for (int column = 0; column < turned.width; ++column) {
      int x = column;
      int y = row;
      switch (quarterTurns) {
        case 1:
          x = row, y = height - 1 - column;
          break;
        case 2:
          x = width - 1 - column, y = height - 1 - row;
          break;
        case 3:
          x = width - 1 - row, y = column;
          break;
        default:
          break;
      }
      const std::uint8_t* from = pixels.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * pixel;
      out = std::copy_n(from, pixel, out);
    }
  }
  return turned;
}

}  // namespace kbc
