// The routine shape shared by every two-dimensional and stacked renderer: the
// encoded symbol's module grid gives the image size and the modules, and the
// frame puts one rectangle per dark module on every present target (the
// drawing target when there is one, and the EPS and SVG documents).
#pragma once

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "render/drawing_target.h"

namespace kbc {

// Draws the symbol's module grid: colours and background, both documents begun
// with the image rectangle, the dark modules, documents ended.
void RenderMatrixSymbol(DrawingTarget* target, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
