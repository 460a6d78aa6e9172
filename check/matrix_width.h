// The data check's size rule of PDF417: the symbol is encoded to learn its
// size, and data no symbol holds is refused with the reason.
#pragma once

#include <string>

#include "core/symbology.h"

namespace kbc {

SymbolExtent Pdf417Extent(std::u32string& data, std::u32string& addon);

}  // namespace kbc
