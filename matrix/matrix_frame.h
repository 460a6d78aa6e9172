// The routine shape shared by every two-dimensional and stacked renderer: the
// encoded symbol's module grid gives the image size and the modules, and the
// frame lays out one mark per row of modules, a rectangle per dark module.
#pragma once

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"

namespace kbc {

// The text line a matrix symbol's encoder asks for, as its variant: GS1
// DataBar Expanded prints its element string as GS1 does; GS1 QR Code and
// Data Matrix only under -showtext 1, as the scanner reads the symbol alone.
enum MatrixText : int { kNoMatrixText = 0, kMatrixTextLine = 1, kMatrixTextWhenAsked = 2 };

// Lays out the symbol's module grid: its size and the dark modules; under it,
// where the variant asks, the symbol's text centred in a room of 12 units.
void RenderMatrixSymbol(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
