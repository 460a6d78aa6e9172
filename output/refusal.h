// The lines a writer reports when the data cannot be drawn, or is drawn without its text.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"

namespace kbc {

// "the data cannot be drawn as NAME: WHY".
std::string DataRefusal(const BarcodeSettings& settings, std::string_view why);

// The warning of a bitmap or PDF whose text was left out for want of any font.
inline constexpr std::string_view kNoFontWarning =
    "no font could be loaded, so the human-readable text is missing from the image";

}  // namespace kbc
