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
#include "output/file_bytes.h"
#include "output/refusal.h"
#include "output/page_size.h"
#include "output/refusal.h"

namespace kbc {
namespace {

// JPEG cannot hold more pixels per side, and a bitmap of more pixels than this
// (256 MB in CMYK) is refused rather than allocated; no symbol comes near either.
constexpr double kMaxSide = 65500;
constexpr double kMaxPixels = double(1 << 26);

using Encoder = std::optional<std::string> (*)(const BitmapView&, std::string&);

// Pixels per point: 1 without -dpi.
double PixelsPerPoint(int dpi) { return dpi > 0 ? dpi / 72.0 : 1.0; }

// The bitmap's sides for an image in points, truncated: 169.5 points at scale
// 150 make 169 pixels.
struct PixelSize {
  double wide = 0;
  double high = 0;

  bool Fits() const { return wide <= kMaxSide && high <= kMaxSide && wide * high <= kMaxPixels; }
};

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
void PlaceAtResolution(RasterCanvas& canvas, const BarcodeSettings& settings, const std::optional<Rect>& image,
                       const PixelSize& pixels) {
  double factor = PixelsPerPoint(settings.dpi);
  if (settings.antialiasOff != 0 && image) {
    const double scale = ScaleFactor(settings.scale);
    const double wholePixels = std::max(1.0, std::floor(factor * scale + 1e-9));
    factor = wholePixels / scale;
    canvas.Translate(std::floor((pixels.wide - image->width * factor) / 2),
                     std::floor((pixels.high - image->height * factor) / 2));
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

FileRendering RenderBitmap(const BarcodeSettings& settings, const DataCheck& check, float width, float height,
                           PixelFormat format, Encoder encode) {
  FileRendering rendering;
  const std::optional<Rect>& image = check.image;
  const double pointsWide = image ? image->width : width;
  const double pointsHigh = image ? image->height : height;
  // A turned image has its sides swapped; messages give the file's own size.
  const bool turned = image && settings.quarterTurns != 0;
  const PixelSize upright = PixelsFor(pointsWide, pointsHigh, settings.dpi);
  const PixelSize pixels = turned && settings.quarterTurns % 2 != 0 ? PixelSize{upright.high, upright.wide} : upright;
  if (!(pixels.wide >= 1 && pixels.high >= 1)) {
    rendering.reason = DataRefusal(settings, check);
    return rendering;
  }
  if (!pixels.Fits()) {
    rendering.reason = TooLarge(pixels, pointsWide, pointsHigh, settings.dpi);
    return rendering;
  }

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
  RenderBarcode(canvas, settings, check, width, height);
  if (turned) {
    const TurnedPixels turnedPixels =
        TurnPixels(canvas.Pixels(), canvas.Width(), canvas.Height(), canvas.Channels(), settings.quarterTurns);
    rendering.bytes = encode(
        {turnedPixels.width, turnedPixels.height, canvas.Format(), turnedPixels.pixels, settings.dpi}, rendering.reason);
  } else {
    rendering.bytes =
        encode({canvas.Width(), canvas.Height(), canvas.Format(), canvas.Pixels(), settings.dpi}, rendering.reason);
  }
  if (!rendering.bytes) return rendering;
  if (!image) {
    rendering.reason = DataRefusal(settings, check);
  } else if (canvas.TextLackedFont()) {
    rendering.warning = kNoFontWarning;
  }
  return rendering;
}

}  // namespace

std::size_t BitmapPixelCount(const BarcodeSettings& settings, const DataCheck& check) {
  if (!check.image) return 0;
  const PixelSize pixels = PixelsFor(check.image->width, check.image->height, settings.dpi);
  // A bitmap too large to draw is refused before anything is allocated.
  if (!(pixels.wide >= 1 && pixels.high >= 1) || !pixels.Fits()) return 0;
  return std::size_t(pixels.wide * pixels.high);
}

namespace {

// PNG and JPEG hold RGB.
FileRendering RenderRgbBitmap(const BarcodeSettings& settings, const DataCheck& check, float width, float height,
                              Encoder encode) {
  return RenderBitmap(WithRgbColours(settings), check, width, height, PixelFormat::Rgb, encode);
}

}  // namespace

FileRendering RenderPngBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height) {
  return RenderRgbBitmap(settings, check, width, height, EncodePng);
}

FileRendering RenderJpegBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height) {
  return RenderRgbBitmap(settings, check, width, height, EncodeJpeg);
}

FileRendering RenderTiffBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height) {
  return RenderBitmap(settings, check, width, height, TiffFormatFor(settings.colourMode), EncodeTiff);
}

}  // namespace kbc
