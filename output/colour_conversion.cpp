#include "output/colour_conversion.h"

#include "platform/device_colour.h"
#include "render/drawing_target.h"

namespace kbc {
namespace {

ColourComponents AsRgb(std::uint32_t colourMode, const ColourComponents& components) {
  const Colour colour = ColourFromComponents(colourMode, components);
  const auto [r, g, b] = RgbOf(colour);
  return {r, g, b, colour.alpha, 0};
}

}  // namespace

BarcodeSettings WithRgbColours(const BarcodeSettings& settings) {
  BarcodeSettings rgb = settings;
  rgb.foreground = AsRgb(settings.colourMode, settings.foreground);
  rgb.background = AsRgb(settings.colourMode, settings.background);
  rgb.colourMode = kColourRgb;
  return rgb;
}

}  // namespace kbc
