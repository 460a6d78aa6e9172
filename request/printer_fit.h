// A request fitted to a printer: -xdim, -height and -bwr turned into the
// scale and the bar geometry of the layout, bitmaps at -dpi in whole dots.
#pragma once

#include <string>
#include <vector>

#include "core/settings.h"

namespace kbc {

// Sets the scale and settings.geometry of a shaped request; `bitmap`: drawn
// pixel by pixel. The warnings name what is drawn otherwise than asked. A
// request without those options and without -dpi is left as it is.
std::vector<std::string> FitForPrinter(BarcodeSettings& settings, bool bitmap);

}  // namespace kbc
