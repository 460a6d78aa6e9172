// The renderer of each symbology code.
#include "cli/registry.h"
#include "linear/book_numbers.h"
#include "linear/code128.h"
#include "linear/coupons.h"
#include "linear/ean13.h"
#include "linear/ean8_upce.h"
#include "matrix/qr_render.h"
#include "render/render.h"

namespace kbc {

Renderer RendererFor(SymbologyType symbology) {
  switch (symbology) {
    case kEan13:
      return RenderEan13;
    case kUpcA:
      return RenderUpcA;
    case kEan8:
    case kEanVelocity:
      return RenderEan8;
    case kUpcE:
      return RenderUpcE;
    case kEan128:
      return RenderEan128;
    case kEan14:
      return RenderEan14;
    case kEan18:
      return RenderEan18;
    case kCode128:
      return RenderCode128;
    case kEan99:
      return RenderEan99;
    case kEanCoupon:
      return RenderEanCoupon;
    case kUpcCoupon:
      return RenderUpcCoupon;
    case kIssn:
      return RenderIssn;
    case kIsbn:
      return RenderIsbn;
    case kIsmn:
      return RenderIsmn;
    case kQrCode:
      return RenderQrCode;
    case kMicroQr:
      return RenderMicroQr;
    default:
      return nullptr;
  }
}

}  // namespace kbc
