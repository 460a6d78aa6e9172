// The data check's size rules of Data Matrix (and CIP) and PDF417: each symbol
// is encoded to learn its size, and data no symbol holds is refused with the reason.
#pragma once

#include <string>

#include "core/symbology.h"

namespace kbc {

SymbolExtent DataMatrixExtent(std::u32string& data, std::u32string& addon);  // also CIP
SymbolExtent Pdf417Extent(std::u32string& data, std::u32string& addon);

}  // namespace kbc
