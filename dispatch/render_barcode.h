// The single entry through which the raster and PDF writers draw a barcode on
// their drawing target: the checked request's layout from the target's origin,
// or the placeholder of data that cannot be drawn.
#pragma once

#include "core/settings.h"
#include "dispatch/data_check.h"
#include "render/drawing_target.h"

namespace kbc {

// The scale factor: a whole percentage divided by 100 in single precision;
// any other scale (one fitted to an X-dimension) exactly.
double ScaleFactor(double scale);

// Scales the target and draws the checked request's layout on it.
void RenderBarcode(DrawingTarget& target, const BarcodeSettings& settings, const CheckedSymbol& checked);

// The red "No BarCode Image" message, centred on a 200 × 50 box from the
// target's origin, unscaled.
void RenderPlaceholder(DrawingTarget& target, const BarcodeSettings& settings);

}  // namespace kbc
