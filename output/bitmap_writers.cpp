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
// 150 make 169 pixels. A drawing in whole dots is a whole number of pixels,
// rounded only from the arithmetic's last bits.
struct PixelSize {
  double wide = 0;
  double high = 0;

  bool Fits() const { return wide <= kMaxSide && high <= kMaxSide && wide * high <= kMaxPixels; }
};

PixelSize PixelsFor(double width, double height, int dpi, bool wholeDots = false) {
  const double factor = PixelsPerPoint(dpi);
  if (wholeDots) return {std::round(width * factor), std::round(height * factor)};
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
  // A turned image has its sides swapped; messages give the file's own size.
  const PixelSize upright = PixelsFor(image.width, image.height, settings.dpi, settings.geometry.wholeDots);
  const PixelSize pixels = settings.quarterTurns % 2 != 0 ? PixelSize{upright.high, upright.wide} : upright;
  if (!(pixels.wide >= 1 && pixels.high >= 1)) {
    return Refusal(DataRefusal(settings, "the image is smaller than one pixel"));
  }
  if (!pixels.Fits()) return Refusal(TooLarge(pixels, image.width, image.height, settings.dpi));

  // Drawn upright, then turned as finished pixels.
  RasterCanvas canvas(int(upright.wide), int(upright.high), format);
  // A resolution draws the same symbol finer: every unit, text included, is
  // dpi / 72 pixels wide.
  if (settings.dpi > 0) {
    const double factor = PixelsPerPoint(settings.dpi);
    canvas.Scale(factor, factor);
  }
  if (settings.geometry.wholeDots) {
    // Laid out in whole dots, every module edge falls on a pixel edge.
    canvas.SetWholePixelFills(true);
  } else if (settings.dpi > 0 || ScaleFactor(settings.scale) != 1.0) {
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

std::optional<std::pair<int, int>> BitmapSides(const BarcodeSettings& settings, const DataCheck& check) {
  if (!check) return std::nullopt;
  const PixelSize pixels = PixelsFor(check->image.width, check->image.height, settings.dpi, settings.geometry.wholeDots);
  // A bitmap too large to draw is refused before anything is allocated.
  if (!(pixels.wide >= 1 && pixels.high >= 1) || !pixels.Fits()) return std::nullopt;
  if (settings.quarterTurns % 2 != 0) return std::pair{int(pixels.high), int(pixels.wide)};
  return std::pair{int(pixels.wide), int(pixels.high)};
}

std::size_t BitmapPixelCount(const BarcodeSettings& settings, const DataCheck& check) {
  const auto sides = BitmapSides(settings, check);
  return sides ? std::size_t(sides->first) * std::size_t(sides->second) : 0;
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
