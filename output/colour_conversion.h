// Colours rewritten as RGB for the outputs that hold RGB only (PDF file, PNG, JPEG).
#pragma once

#include "core/settings.h"

namespace kbc {

// The settings with foreground and background as RGB with their alpha, and
// colourMode 1: grey g becomes (g, g, g) (0 stays black); CMYK becomes
// ((1 − C)(1 − K), (1 − M)(1 − K), (1 − Y)(1 − K)); RGB is kept. Component 5
// becomes 0.
BarcodeSettings WithRgbColours(const BarcodeSettings& settings);

}  // namespace kbc
