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

void ConvertColoursToRgb(BarcodeSettings& settings) {
  settings.foreground = AsRgb(settings.colourMode, settings.foreground);
  settings.background = AsRgb(settings.colourMode, settings.background);
  settings.colourMode = kColourRgb;
}

}  // namespace kbc
