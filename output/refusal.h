// The line a writer reports when the data cannot be drawn.
#pragma once

#include <string>

#include "core/settings.h"

namespace kbc {

// "the data cannot be drawn as NAME: REASON", the reason from the data check.
std::string DataRefusal(const BarcodeSettings& settings);

}  // namespace kbc
