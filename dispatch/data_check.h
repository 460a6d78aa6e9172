// The data check: can this data be drawn in this symbology, and how large is
// the image. It encodes the request once; the writers and the renderers take
// its result instead of asking again.
#pragma once

#include <optional>
#include <string>

#include "core/draw_list.h"
#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/types.h"

namespace kbc {

// A request that can be drawn: its one encoding, its one layout, which every
// target walks, and the image they make.
struct CheckedSymbol {
  Rect image;  // at origin (0, 0), already multiplied by scale / 100
  EncodedSymbol symbol;
  DrawList layout;
};

// The checked symbol, or why the data cannot be drawn.
using DataCheck = Result<CheckedSymbol>;

// Whether the request's symbol prints its human-readable text.
bool ShowsText(const BarcodeSettings& settings);

// The encoded symbol's layout by its symbology's renderer, with showText as
// ShowsText gives it. The data check lays out each request once.
DrawList LayoutSymbol(const BarcodeSettings& settings, const EncodedSymbol& symbol);

DataCheck CheckBarcodeData(const BarcodeSettings& settings);

// The image rectangle alone; nothing when the data cannot be drawn. The
// settings are not changed.
std::optional<Rect> ValidateBarcodeData(const BarcodeSettings& settings);

}  // namespace kbc
