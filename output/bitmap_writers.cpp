// PNG, JPEG and TIFF files: one pixel per point, exactly the scaled symbol.
#include <cmath>

#include "check/validate.h"
#include "core/symbology.h"
#include "output/colour_conversion.h"
#include "output/file_codes.h"
#include "output/refusal.h"
#include "output/page_size.h"
#include "output/writers.h"
#include "platform/atomic_file.h"
#include "platform/image_encoders.h"
#include "canvas/raster_canvas.h"
#include "dispatch/render_barcode.h"

namespace kbc {
namespace {

// JPEG cannot hold more pixels per side, and a bitmap of more pixels than this
// (256 MB in CMYK) is refused rather than allocated; no symbol comes near either.
constexpr double kMaxSide = 65500;
constexpr double kMaxPixels = double(1 << 26);

using Encoder = std::optional<std::string> (*)(const BitmapView&, std::string&);

struct BitmapKind {
  Encoder encode;
  std::uint32_t fileType;
};

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

WriteStatus WriteBitmap(const std::string& path, const BarcodeSettings& settings, float width, float height,
                        PixelFormat format, const BitmapKind& kind) {
  BarcodeSettings copy = settings;
  copy.epsText = nullptr;
  copy.svgText = nullptr;
  const std::optional<Rect> image = ValidateBarcodeData(copy);
  // Sizes are truncated: 169.5 points at scale 150 make 169 pixels.
  const double pixelsWide = image ? std::trunc(image->width) : std::trunc(width);
  const double pixelsHigh = image ? std::trunc(image->height) : std::trunc(height);
  if (!(pixelsWide >= 1 && pixelsHigh >= 1)) {
    return WriteStatus::Failure(DataRefusal(copy) + "; \"" + path + "\" was not written");
  }
  if (pixelsWide > kMaxSide || pixelsHigh > kMaxSide || pixelsWide * pixelsHigh > kMaxPixels) {
    return WriteStatus::Failure("the image is too large; \"" + path + "\" was not written");
  }

  RasterCanvas canvas(int(pixelsWide), int(pixelsHigh), format);
  RenderBarcode(&canvas, copy, width, height);
  std::string error;
  const std::optional<std::string> bytes =
      kind.encode({canvas.Width(), canvas.Height(), canvas.Format(), canvas.Pixels()}, error);
  if (!bytes) return WriteStatus::Failure(error + "; \"" + path + "\" was not written");
  if (const auto failure = WriteFileAtomically(path, *bytes)) return WriteStatus::Failure(*failure);
  SetFileTypeAndCreator(path, kind.fileType, FourCharCode("prvw"));
  if (!image) {
    return WriteStatus::Failure(DataRefusal(copy) + "; \"" + path + "\" holds only the \"No BarCode Image\" placeholder");
  }
  if (canvas.TextLackedFont()) return WriteStatus::SuccessWith(std::string(kNoFontWarning));
  return WriteStatus::Success();
}

// PNG and JPEG hold RGB: the caller's record takes the converted colours too.
WriteStatus WriteRgbBitmap(const std::string& path, BarcodeSettings& settings, float width, float height,
                           const BitmapKind& kind) {
  ConvertColoursToRgb(settings);
  return WriteBitmap(path, settings, width, height, PixelFormat::Rgb, kind);
}

}  // namespace

WriteStatus WritePngFile(const std::string& path, BarcodeSettings& settings, float width, float height) {
  return WriteRgbBitmap(path, settings, width, height, {EncodePng, FourCharCode("PNGf")});
}

WriteStatus WriteJpegFile(const std::string& path, BarcodeSettings& settings, float width, float height) {
  return WriteRgbBitmap(path, settings, width, height, {EncodeJpeg, FourCharCode("JPEG")});
}

WriteStatus WriteTiffFile(const std::string& path, BarcodeSettings& settings, float width, float height) {
  return WriteBitmap(path, settings, width, height, TiffFormatFor(settings.colourMode),
                     {EncodeTiff, FourCharCode("TIFF")});
}

}  // namespace kbc
