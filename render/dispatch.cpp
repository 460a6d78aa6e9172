// The renderer of each symbology code.
#include "cli/registry.h"
#include "linear/ean13.h"
#include "render/render.h"

namespace kbc {

Renderer RendererFor(SymbologyType symbology) {
  switch (symbology) {
    case kEan13:
      return RenderEan13;
    case kUpcA:
      return RenderUpcA;
    default:
      return nullptr;
  }
}

}  // namespace kbc
