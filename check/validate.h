// The data check: can this data be drawn in this symbology, and how large is
// the image. Renderers use the same height rule so the two always agree.
#pragma once

#include <optional>
#include <string>

#include "core/settings.h"
#include "core/types.h"

namespace kbc {

// The image rectangle at origin (0, 0), already multiplied by scale / 100, or
// why the data cannot be drawn.
struct DataCheck {
  std::optional<Rect> image;
  std::string refusal;    // set when there is no image
  std::u32string encoded;  // the data as the width rule normalised it for encoding
};

DataCheck CheckBarcodeData(const BarcodeSettings& settings);

// The image rectangle alone; nothing when the data cannot be drawn. The
// settings are not changed.
std::optional<Rect> ValidateBarcodeData(const BarcodeSettings& settings);

}  // namespace kbc
