// A bitmap as the PNG, JPEG and TIFF encoders read it. A resolution is
// recorded only when one is given; without it readers assume one pixel per
// point (72 per inch).
#pragma once

#include <cstdint>
#include <span>

#include "platform/device_colour.h"

namespace kbc {

// Packed rows from the top, ChannelsOf(format) bytes per pixel.
struct BitmapView {
  int width = 0;
  int height = 0;
  PixelFormat format = PixelFormat::Rgb;
  std::span<const std::uint8_t> pixels;
  int dotsPerInch = 0;  // recorded in the file when above 0
};

}  // namespace kbc
