// Colours moved between the three device colour spaces, and quantised to the
// 8-bit components the raster canvas and the image files hold.
#pragma once

#include <array>
#include <cstdint>

#include "core/types.h"

namespace kbc {

enum class PixelFormat : std::uint8_t { Grey, Rgb, Cmyk };

constexpr int ChannelsOf(PixelFormat format) {
  return format == PixelFormat::Grey ? 1 : format == PixelFormat::Rgb ? 3 : 4;
}

// Red, green and blue of any colour: grey g is (g, g, g); CMYK is
// ((1 − C)(1 − K), (1 − M)(1 − K), (1 − Y)(1 − K)).
std::array<double, 3> RgbOf(const Colour& colour);

// The colour's components in a pixel format, each 0..1 (CMYK as ink amounts).
// Grey from colour uses the luma weights 0.299, 0.587, 0.114; CMYK from RGB
// puts the common darkness into K.
std::array<double, 4> ComponentsIn(const Colour& colour, PixelFormat format);

// A component 0..1 as a byte, rounded to nearest (out-of-range values clamped).
std::uint8_t ComponentByte(double value);

}  // namespace kbc
