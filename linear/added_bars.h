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

// How RenderBarStates draws the letters, as EncodedSymbol::variant: the
// two-state codes' short bars stand on the bottom; four-state bars reach up,
// down or both from a tracker; two-track bars fill the upper track ('A'), the
// lower ('D') or both ('F').
inline constexpr int kTwoStateBars = 2;
inline constexpr int kFourStateBars = 3;
inline constexpr int kTwoTrackBars = 4;

// One bar per state letter ('F', 'A', 'D', 'T'), 2 units wide at a pitch of 4,
// drawn as `variant` says.
void RenderBarStates(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
