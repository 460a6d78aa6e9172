// The Data Matrix renderer, also used for CIP: 3 × 3 units per module, no quiet zone.
#pragma once

#include "core/settings.h"
#include "render/drawing_target.h"

namespace kbc {

void RenderDataMatrix(DrawingTarget* target, const BarcodeSettings& settings);

}  // namespace kbc
