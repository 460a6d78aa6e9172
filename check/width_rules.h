// The data check's width rules of the symbologies whose width depends on the
// data. Each measures its own copies of the data and add-on (normalising them
// as the symbology's drawing will) and says why when it refuses them.
#pragma once

#include <string>

#include "core/symbology.h"

namespace kbc {

SymbolExtent QrCodeExtent(std::u32string& data, std::u32string& addon);
SymbolExtent MicroQrExtent(std::u32string& data, std::u32string& addon);

}  // namespace kbc
