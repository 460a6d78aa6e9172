// The size of the page or bitmap a writer draws on.
#pragma once

#include <optional>

#include "core/types.h"

namespace kbc {

// The box the placeholder is centred on when the data cannot be drawn.
inline constexpr double kFallbackWidth = 200;
inline constexpr double kFallbackHeight = 50;

struct PageSize {
  double width = 0;
  double height = 0;
};

// The scaled symbol when it can be drawn; otherwise the caller's target size, or
// the fallback box when the caller gives none (the command line passes 0 × 0).
PageSize PageSizeFor(const std::optional<Rect>& image, double width, double height);

}  // namespace kbc
