// The laid-out bars fitted to a label: their height set, their width reduced.
#pragma once

#include "core/draw_list.h"
#include "core/settings.h"

namespace kbc {

// Stretches the bars to geometry.barHeight units and narrows every dark
// element by geometry.barReduction; nothing when neither is asked for. The
// bars' own height runs from where most bars start to the highest bar top:
// the text below and guard bars' extensions keep their length, what lies
// above moves up. Symbols drawn without text stretch their whole bar area:
// stacked rows and postal bars of every state alike.
void FitBars(DrawList& list, const PrintGeometry& geometry);

}  // namespace kbc
