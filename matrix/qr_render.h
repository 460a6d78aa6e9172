// The QR Code and Micro QR renderers: 3 × 3 units per module, quiet zone included.
#pragma once

#include "core/settings.h"
#include "render/drawing_target.h"

namespace kbc {

void RenderQrCode(DrawingTarget* target, const BarcodeSettings& settings);
void RenderMicroQr(DrawingTarget* target, const BarcodeSettings& settings);

}  // namespace kbc
