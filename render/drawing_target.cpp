#include "render/drawing_target.h"

namespace kbc {

Colour ColourFromComponents(std::uint32_t colourMode, const ColourComponents& k) {
  switch (colourMode) {
    case kColourRgb:
      return Colour{ColourSpace::Rgb, {k[0], k[1], k[2], 0}, k[3]};
    case kColourCmyk:
      return Colour{ColourSpace::Cmyk, {k[0], k[1], k[2], k[3]}, k[4]};
    default:
      return Colour{ColourSpace::Grey, {k[0], 0, 0, 0}, k[1]};
  }
}

}  // namespace kbc
