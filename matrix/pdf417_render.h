// The PDF417 renderer: modules 1 unit wide and 2 units high, no quiet zone.
#pragma once

#include "core/settings.h"
#include "render/drawing_target.h"

namespace kbc {

void RenderPdf417(DrawingTarget* target, const BarcodeSettings& settings);

}  // namespace kbc
