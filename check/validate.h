// The data check: can this data be drawn in this symbology, and how large is
// the image. Renderers use the same height rule so the two always agree.
#pragma once

#include <optional>

#include "cli/settings.h"
#include "cli/types.h"

namespace kbc {

// Image height before scaling: base height less the trim, capped per symbology.
struct HeightRule {
  double baseHeight = 0;
  double trimCap = 0;
};

// The rule of the linear symbologies (2-D symbols have no trim).
HeightRule HeightRuleFor(SymbologyType symbology);

// base height − min(trim, cap), truncated toward zero.
int CappedHeight(double baseHeight, double trimCap, double trim);

// The image rectangle at origin (0, 0), already multiplied by scale / 100, or
// nothing when the data cannot be drawn. The settings are not changed.
std::optional<Rect> ValidateBarcodeData(const BarcodeSettings& settings);

}  // namespace kbc
