// The data check: can this data be drawn in this symbology, and how large is
// the image. It encodes the request once; the writers and the renderers take
// its result instead of asking again.
#pragma once

#include <optional>
#include <string>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/types.h"

namespace kbc {

// The image rectangle at origin (0, 0), already multiplied by scale / 100, and
// the encoded symbol; or why the data cannot be drawn.
struct DataCheck {
  std::optional<Rect> image;
  std::string refusal;   // set when there is no image
  EncodedSymbol symbol;  // the request's one encoding; empty when refused
};

DataCheck CheckBarcodeData(const BarcodeSettings& settings);

// The image rectangle alone; nothing when the data cannot be drawn. The
// settings are not changed.
std::optional<Rect> ValidateBarcodeData(const BarcodeSettings& settings);

}  // namespace kbc
