// Frames for the added linear and postal types, whose bars another encoder
// chose: the bars with our text below them, and postal bar states.
#pragma once

#include "core/draw_list.h"
#include "core/encoded_symbol.h"
#include "core/settings.h"

namespace kbc {

// The elements from x 0, the human-readable text below them; the image is as
// wide as the wider of the two.
void RenderBarsWithText(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

// One bar per state letter ('F', 'A', 'D', 'T'), 2 units wide at a pitch of 4;
// `variant` 2 marks the two-state codes, whose short bars stand on the bottom.
void RenderBarStates(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
