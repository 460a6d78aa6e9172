// The bytes of PNG, JPEG and TIFF files: one pixel per point, exactly the scaled symbol.
#include <cmath>

#include "canvas/raster_canvas.h"
#include "canvas/turned_pixels.h"
#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "dispatch/render_barcode.h"
#include "image_encoders/jpeg_encoder.h"
#include "image_encoders/png_encoder.h"
#include "image_encoders/tiff_encoder.h"
#include "output/bitmap_writers.h"
#include "output/colour_conversion.h"
#include "output/refusal.h"

namespace kbc {
namespace {

// JPEG cannot hold more pixels per side, and a bitmap of more pixels than this
// (256 MB in CMYK) is refused rather than allocated; no symbol comes near either.
constexpr double kMaxSide = 65500;
constexpr double kMaxPixels = double(1 << 26);

using Encoder = Result<std::string> (*)(const BitmapView&);

// Pixels per point: 1 without -dpi.
double PixelsPerPoint(int dpi) { return dpi > 0 ? dpi / 72.0 : 1.0; }

// The bitmap's sides for an image in points, truncated: 169.5 points at scale
// 150 make 169 pixels.
struct PixelSize {
  double wide = 0;
  double high = 0;

  bool Fits() const { return wide <= kMaxSide && high <= kMaxSide && wide * high <= kMaxPixels; }
};

// A turned image has its sides swapped; messages give the file's own size.
PixelSize TurnedSides(const PixelSize& upright, int quarterTurns) {
  return quarterTurns % 2 != 0 ? PixelSize{upright.high, upright.wide} : upright;
}

PixelSize PixelsFor(double width, double height, int dpi) {
  const double factor = PixelsPerPoint(dpi);
  return {std::trunc(width * factor), std::trunc(height * factor)};
}

std::string TooLarge(const PixelSize& pixels, double width, double height, int dpi) {
  std::string message = "the image would be " + std::to_string(std::int64_t(pixels.wide)) + " x " +
                        std::to_string(std::int64_t(pixels.high)) + " pixels, more than a bitmap may hold";
  if (dpi <= 0) return message;
  for (int lower = dpi - 1; lower >= 72; --lower) {
    if (PixelsFor(width, height, lower).Fits()) return message + "; -dpi " + std::to_string(lower) + " would fit";
  }
  return message + " at any -dpi";
}

// A resolution draws the same symbol finer: every unit, text included, is
// dpi / 72 pixels wide. Without antialiasing a module must be a whole number
// of pixels for every module of one width to come out alike, so the drawing
// is scaled down to the whole number of pixels per unit that fits and
// centred in the bitmap.
void PlaceAtResolution(RasterCanvas& canvas, const BarcodeSettings& settings, const Rect& image,
                       const PixelSize& pixels) {
  double factor = PixelsPerPoint(settings.dpi);
  if (settings.antialiasOff != 0) {
    const double scale = ScaleFactor(settings.scale);
    const double wholePixels = std::max(1.0, std::floor(factor * scale + 1e-9));
    factor = wholePixels / scale;
    canvas.Translate(std::floor((pixels.wide - image.width * factor) / 2),
                     std::floor((pixels.high - image.height * factor) / 2));
  }
  canvas.Scale(factor, factor);
  canvas.SetJoinedFills(true);
}

PixelFormat TiffFormatFor(std::uint32_t colourMode) {
  switch (colourMode) {
    case kColourRgb:
      return PixelFormat::Rgb;
    case kColourCmyk:
      return PixelFormat::Cmyk;
    default:
      return PixelFormat::Grey;
  }
}

// The finished pixels, turned as asked, encoded.
Result<std::string> Encoded(const RasterCanvas& canvas, int quarterTurns, int dpi, Encoder encode) {
  if (quarterTurns == 0) return encode({canvas.Width(), canvas.Height(), canvas.Format(), canvas.Pixels(), dpi});
  const TurnedPixels turned =
      TurnPixels(canvas.Pixels(), canvas.Width(), canvas.Height(), canvas.Channels(), quarterTurns);
  return encode({turned.width, turned.height, canvas.Format(), turned.pixels, dpi});
}

Result<std::string> RenderBitmap(const BarcodeSettings& settings, const CheckedSymbol& checked, PixelFormat format,
                                 Encoder encode) {
  const Rect& image = checked.image;
  const PixelSize upright = PixelsFor(image.width, image.height, settings.dpi);
  const PixelSize pixels = TurnedSides(upright, settings.quarterTurns);
  if (!(pixels.wide >= 1 && pixels.high >= 1)) {
    return Refusal(DataRefusal(settings, "the image is smaller than one pixel"));
  }
  if (!pixels.Fits()) return Refusal(TooLarge(pixels, image.width, image.height, settings.dpi));

  // Drawn upright, then turned as finished pixels.
  RasterCanvas canvas(int(upright.wide), int(upright.high), format);
  // A resolution draws the same symbol finer: every unit, text included, is
  // dpi / 72 pixels wide.
  if (settings.dpi > 0) {
    PlaceAtResolution(canvas, settings, image, upright);
  } else if (ScaleFactor(settings.scale) != 1.0f) {
    // Modules then share edges inside pixels: filled as one area, same-colour
    // neighbours leave no light seam between them.
    canvas.SetJoinedFills(true);
  }
  RenderBarcode(canvas, settings, checked);
  Result<std::string> bytes = Encoded(canvas, settings.quarterTurns, settings.dpi, encode);
  if (bytes && canvas.TextLackedFont()) bytes.warnings.emplace_back(kNoFontWarning);
  return bytes;
}

}  // namespace

std::size_t BitmapPixelCount(const BarcodeSettings& settings, const DataCheck& check) {
  if (!check) return 0;
  const PixelSize pixels = PixelsFor(check->image.width, check->image.height, settings.dpi);
  // A bitmap too large to draw is refused before anything is allocated.
  if (!(pixels.wide >= 1 && pixels.high >= 1) || !pixels.Fits()) return 0;
  return std::size_t(pixels.wide * pixels.high);
}

BitmapSides BitmapSidesOf(const BarcodeSettings& settings, const CheckedSymbol& checked) {
  const PixelSize pixels =
      TurnedSides(PixelsFor(checked.image.width, checked.image.height, settings.dpi), settings.quarterTurns);
  return {std::int64_t(pixels.wide), std::int64_t(pixels.high)};
}

namespace {

// PNG and JPEG hold RGB.
Result<std::string> RenderRgbBitmap(const BarcodeSettings& settings, const CheckedSymbol& checked, Encoder encode) {
  return RenderBitmap(WithRgbColours(settings), checked, PixelFormat::Rgb, encode);
}

}  // namespace

Result<std::string> RenderPngBytes(const BarcodeSettings& settings, const CheckedSymbol& checked) {
  return RenderRgbBitmap(settings, checked, EncodePng);
}

Result<std::string> RenderJpegBytes(const BarcodeSettings& settings, const CheckedSymbol& checked) {
  return RenderRgbBitmap(settings, checked, EncodeJpeg);
}

Result<std::string> RenderTiffBytes(const BarcodeSettings& settings, const CheckedSymbol& checked) {
  return RenderBitmap(settings, checked, TiffFormatFor(settings.colourMode), EncodeTiff);
}

}  // namespace kbc
