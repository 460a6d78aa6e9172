// Warnings about the options that change the symbol: one given to a
// symbology that ignores it, and UTF-8 text encoded without the ECI that
// would tell a reader so.
#pragma once

#include <optional>
#include <string>

#include "core/settings.h"

namespace kbc {

// `settings` as the data check reads them, the data as typed.
std::optional<std::string> SymbolOptionWarning(const BarcodeSettings& settings);

}  // namespace kbc
