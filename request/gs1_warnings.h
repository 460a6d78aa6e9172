// Warnings about GS1 element strings: typed without -gs1 where the brackets
// become data, or -gs1 given to a symbology that has no GS1 mode.
#pragma once

#include <optional>
#include <string>

#include "core/symbology.h"
#include "core/settings.h"

namespace kbc {

std::optional<std::string> Gs1Warning(const BarcodeSettings& settings);

}  // namespace kbc
