// Bitmaps encoded as PNG, JPEG or TIFF file contents, in memory. A resolution
// is recorded only when one is given; without it readers assume one pixel per
// point (72 per inch).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

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

// 8-bit RGB without alpha; RGB bitmaps only.
std::optional<std::string> EncodePng(const BitmapView& bitmap, std::string& error);

// Quality 100 with every component at full resolution (no chroma subsampling),
// so bar edges stay sharp; RGB bitmaps only.
std::optional<std::string> EncodeJpeg(const BitmapView& bitmap, std::string& error);

// Lossless (deflate). RGB; CMYK as separated ink with the CMYK ink set, 0 no ink;
// grey with 0 black.
std::optional<std::string> EncodeTiff(const BitmapView& bitmap, std::string& error);

}  // namespace kbc
