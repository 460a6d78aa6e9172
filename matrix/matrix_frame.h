// The routine shape shared by every two-dimensional and stacked renderer: the
// encoded symbol's module grid gives the image size and the modules, and the
// frame lays out one rectangle per dark module.
#pragma once

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"

namespace kbc {

// Lays out the symbol's module grid: its size and the dark modules.
void RenderMatrixSymbol(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
