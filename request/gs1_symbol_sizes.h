// The X-dimensions and bar heights GS1 allows a symbol in its application,
// and the warning for a size outside them.
#pragma once

#include <optional>
#include <string>

#include "core/settings.h"

namespace kbc {

// Names the range a module of xMillimetres, or bars of heightMillimetres
// (0: the symbology's own), leave; nothing for sizes inside them and for
// symbols without a GS1 application.
std::optional<std::string> Gs1SizeWarning(const BarcodeSettings& settings, double xMillimetres,
                                          double heightMillimetres);

}  // namespace kbc
