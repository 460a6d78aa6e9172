// The single entry through which the raster and PDF writers draw a barcode on
// their drawing target.
#pragma once

#include <cstdint>

#include "core/settings.h"
#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "render/drawing_target.h"

namespace kbc {

// Translation and scale applied to a target before the renderer runs.
struct Placement {
  float tx = 0;
  float ty = 0;
  float sx = 1;
  float sy = 1;
};

// Placement for a mode; w and h are the scaled image size, W and H the target
// area, k the scale factor. Data that cannot be drawn is placed as a 200 × 50 box.
Placement PlacementFor(std::int16_t placementMode, bool drawable, double W, double H, double w, double h, float k);

// The scale factor: scale truncated to an integer, divided by 100.
float ScaleFactor(double scale);

// Places and scales the checked request's layout on the target and draws it,
// or draws the placeholder when the data cannot be drawn.
void RenderBarcode(DrawingTarget& target, const BarcodeSettings& settings, const DataCheck& check, float width,
                   float height);

// The same for a request not checked yet: checks it, then renders it.
void RenderBarcode(DrawingTarget& target, const BarcodeSettings& settings, float width, float height);

// The red "No BarCode Image" message, centred on the 200 × 50 fallback box.
void DrawPlaceholder(DrawingTarget& target, const BarcodeSettings& settings);

}  // namespace kbc
