// What -action info prints instead of drawing: one request described as one
// JSON object, from the same data check the file writers draw.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/settings.h"
#include "dispatch/data_check.h"

namespace kbc {

// One JSON object on one line, without its LF:
//   {"type", "data", "checkDigits", "text", "addOn", "widthPt", "heightPt",
//    "widthDots", "heightDots", "xDimensionPt", "warnings", "refusal"}
// "data" is the data as the symbol carries it; "checkDigits" the check digits
// it ends in where the data is numbered by one (a GTIN, a book number, PZN);
// "text" the human-readable characters as drawn (the add-on's included);
// the sizes are the turned image's, in points, and the bitmap's in dots only
// under -dpi (`bitmapSides`, fitted to whole dots as the bitmaps are);
// "xDimensionPt" a module's width.
// What is not known for a refused request is null; "refusal" is null when the
// request would be drawn.
std::string RequestInfoJson(const BarcodeSettings& settings, const DataCheck& check,
                            std::optional<std::pair<int, int>> bitmapSides, std::span<const std::string> warnings,
                            std::string_view refusal);

// A JSON string literal: quoted, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view utf8);

}  // namespace kbc
