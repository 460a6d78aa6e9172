// The six GS1 DataBar renderers: one unit per module, every pixel row drawn,
// no human-readable text.
#pragma once

#include "core/settings.h"
#include "render/drawing_target.h"

namespace kbc {

void RenderDataBarOmnidirectional(DrawingTarget* target, const BarcodeSettings& settings);
void RenderDataBarTruncated(DrawingTarget* target, const BarcodeSettings& settings);
void RenderDataBarStacked(DrawingTarget* target, const BarcodeSettings& settings);
void RenderDataBarStackedOmnidirectional(DrawingTarget* target, const BarcodeSettings& settings);
void RenderDataBarLimited(DrawingTarget* target, const BarcodeSettings& settings);
void RenderDataBarExpanded(DrawingTarget* target, const BarcodeSettings& settings);

}  // namespace kbc
