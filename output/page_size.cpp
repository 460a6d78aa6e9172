#include "output/page_size.h"

namespace kbc {

PageSize PageSizeFor(const std::optional<Rect>& image, double width, double height) {
  if (image) return {image->width, image->height};
  if (width > 0 && height > 0) return {width, height};
  return {kFallbackWidth, kFallbackHeight};
}

}  // namespace kbc
