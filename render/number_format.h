// Numbers written into EPS and SVG documents: narrowed to single precision, then
// formatted in the C locale whatever the user's locale is.
#pragma once

#include <string>

namespace kbc {

std::string FormatFixed(double value, int decimals);  // "%.0f", "%.2f", "%.4f" of float(value)
std::string FormatInt(long value);                    // "%i"

}  // namespace kbc
