// The data check's width rule of Telepen, counted from the symbol's own
// element widths.
#pragma once

#include <string>

#include "core/symbology.h"

namespace kbc {

// Start, characters (after the cut to 30 and numeric compaction), check
// character and stop, 16 units each.
SymbolExtent TelepenWidth(std::u32string& data, std::u32string& addon);

}  // namespace kbc
