// The data check of the symbologies that read GS1 element strings (-gs1 1).
#pragma once

#include <string>

#include "core/symbology.h"

namespace kbc {

// EAN-128, Databar-Expanded, QRCode and DataMatrix read element strings under -gs1 1.
bool HasGs1Mode(SymbologyType symbology);

// The extent of the element string in the symbology, or why it is refused;
// symbologies without a GS1 mode measure as they always do.
SymbolExtent MeasureGs1(SymbologyType symbology, std::u32string& data);

}  // namespace kbc
