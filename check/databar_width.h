// The data check's rules for the six GS1 DataBar symbols: width and height in
// units (one per module), or the reason the data cannot be encoded.
#pragma once

#include <string>

#include "core/symbology.h"

namespace kbc {

SymbolExtent DataBarOmnidirectionalExtent(std::u32string& data, std::u32string& addon);
SymbolExtent DataBarTruncatedExtent(std::u32string& data, std::u32string& addon);
SymbolExtent DataBarStackedExtent(std::u32string& data, std::u32string& addon);
SymbolExtent DataBarStackedOmnidirectionalExtent(std::u32string& data, std::u32string& addon);
SymbolExtent DataBarLimitedExtent(std::u32string& data, std::u32string& addon);
SymbolExtent DataBarExpandedExtent(std::u32string& data, std::u32string& addon);

}  // namespace kbc
