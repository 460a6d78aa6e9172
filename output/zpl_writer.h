// The ZPL II label of a request: the whole-dot bitmap at the printer's
// resolution as one graphic field, ready for a label printer's raw port.
#pragma once

#include <optional>
#include <string>

#include "core/result.h"
#include "core/settings.h"
#include "dispatch/data_check.h"

namespace kbc {

// Label printers print at 8, 12 or 24 dots per millimetre; the first is the
// commonest, and the one a label without -dpi is drawn for.
inline constexpr int kZplDefaultDpi = 203;

// Why -dpi names no label printer's resolution; none when it does (or is not given).
std::optional<std::string> ZplDpiRefusal(const BarcodeSettings& settings);

// One line: "^XA", the label's width and length, the graphic at the margin,
// the copies when asked for, "^XZ".
Result<std::string> RenderZplBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);

}  // namespace kbc
