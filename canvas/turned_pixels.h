// A finished bitmap turned by quarter turns. Turning the pixels, rather than
// drawing turned, moves every pixel exactly: a turned image holds the same
// pixels as the upright one, text and antialiased edges included.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kbc {

struct TurnedPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // rows from the top
};

// The pixels (rows from the top, `channels` bytes a pixel) of a width × height
// bitmap turned clockwise by `quarterTurns` (0..3).
TurnedPixels TurnPixels(std::span<const std::uint8_t> pixels, int width, int height, int channels,
                        int quarterTurns);

}  // namespace kbc
