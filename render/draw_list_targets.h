// The walks of a laid-out drawing, one per kind of target. Each begins with
// the request's colours, background, margins and turn, walks the marks in
// order, and ends the drawing; the list itself is never changed.
#pragma once

#include <string>

#include "core/draw_list.h"
#include "core/settings.h"
#include "render/drawing_target.h"

namespace kbc {

// Onto a drawing target (a raster canvas or a PDF page) at its current
// transform; a drawing target is turned by its writer.
void DrawOnTarget(const DrawList& list, const BarcodeSettings& settings, DrawingTarget& target);

// The whole EPS document of the drawing, its file name and metadata left as
// placeholders.
void AppendEpsDrawing(const DrawList& list, const BarcodeSettings& settings, std::string& eps);

// The whole SVG document of the drawing.
void AppendSvgDrawing(const DrawList& list, const BarcodeSettings& settings, std::string& svg);

}  // namespace kbc
