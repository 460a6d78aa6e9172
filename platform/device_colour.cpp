#include "platform/device_colour.h"

#include <algorithm>
#include <cmath>

namespace kbc {

std::array<double, 3> RgbOf(const Colour& colour) {
  const auto& c = colour.c;
  switch (colour.space) {
    case ColourSpace::Rgb:
      return {c[0], c[1], c[2]};
    case ColourSpace::Cmyk:
      return {(1 - c[0]) * (1 - c[3]), (1 - c[1]) * (1 - c[3]), (1 - c[2]) * (1 - c[3])};
    case ColourSpace::Grey:
      break;
  }
  return {c[0], c[0], c[0]};
}

std::array<double, 4> ComponentsIn(const Colour& colour, PixelFormat format) {
  if (format == PixelFormat::Cmyk) {
    if (colour.space == ColourSpace::Cmyk) return colour.c;
    if (colour.space == ColourSpace::Grey) return {0, 0, 0, 1 - colour.c[0]};
    const auto [r, g, b] = RgbOf(colour);
    const double k = 1 - std::max({r, g, b});
    if (k >= 1) return {0, 0, 0, 1};
    return {(1 - r - k) / (1 - k), (1 - g - k) / (1 - k), (1 - b - k) / (1 - k), k};
  }
  const auto [r, g, b] = RgbOf(colour);
  if (format == PixelFormat::Rgb) return {r, g, b, 0};
  if (colour.space == ColourSpace::Grey) return {colour.c[0], 0, 0, 0};
  return {0.299 * r + 0.587 * g + 0.114 * b, 0, 0, 0};
}

std::uint8_t ComponentByte(double value) {
  if (!(value > 0)) return 0;
  if (value >= 1) return 255;
  return std::uint8_t(std::lround(value * 255));
}

}  // namespace kbc
