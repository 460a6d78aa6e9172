// Width rules of the nine-element codes: Code 39, Code 32, PZN (all drawn as
// Code 39) and Code 93. Each measures the elements the renderer will draw.
#pragma once

#include <string>

#include "core/symbology.h"

namespace kbc {

SymbolExtent Code39Width(std::u32string& data, std::u32string& addon);
SymbolExtent Code32Width(std::u32string& data, std::u32string& addon);
SymbolExtent PznWidth(std::u32string& data, std::u32string& addon);
SymbolExtent Code93Width(std::u32string& data, std::u32string& addon);

}  // namespace kbc
