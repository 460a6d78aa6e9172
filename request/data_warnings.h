// Warnings for requests that are drawn, but not as the user may believe they
// are: the data encoded differs from the data given, or the bars are invisible.
// Each is one line without the program's prefix; the run still succeeds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/types.h"
#include "dispatch/data_check.h"

namespace kbc {

// When characters that carry data were dropped or cut off (by shaping, or by
// the encoder for characters its symbology cannot hold), or a check digit the
// user gave was replaced by a different computed one: names the loss and says
// what is encoded instead. Nothing when the data cannot be drawn at all (that
// error is reported on its own) or when only zero padding, a missing check
// digit, separators or the brackets of a GS1 element string made the difference.
// `check` is the data check of the shaped settings.
std::optional<std::string> DataChangeWarning(std::u32string_view given, const ShapingReport& shaping,
                                             const BarcodeSettings& shaped, const DataCheck& check);

// When the add-on given was dropped (the symbology takes none), or lost
// characters to its cut or its digit filter.
std::optional<std::string> AddOnChangeWarning(std::u32string_view given, const ShapingReport& shaping,
                                              const BarcodeSettings& shaped);

// When CMYK colours are written by an output that holds RGB only.
std::optional<std::string> ColourModelWarning(const BarcodeSettings& settings, OutputAction action);

// When the bar colour's alpha is 0 in an output that draws alpha (bitmaps and
// PDF): the image would show no bars.
std::optional<std::string> InvisibleBarsWarning(const BarcodeSettings& settings, OutputAction action);

}  // namespace kbc
