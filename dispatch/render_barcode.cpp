#include "dispatch/render_barcode.h"

#include <cmath>

#include "core/symbology.h"
#include "render/draw_list_targets.h"

namespace kbc {
namespace {

// Translations are worked out in double precision and rounded half to even.
float Rounded(double value) { return static_cast<float>(std::nearbyint(value)); }

void DrawCropMarks(DrawingTarget& target, double w, double h) {
  target.SetLineWidth(0.5);
  target.SetStrokeColour(Colour{ColourSpace::Rgb, {0, 0, 0, 0}, 1});
  const Point segments[8][2] = {
      {{-20, 0}, {-40, 0}},         {{0, -20}, {0, -40}},         {{w + 20, 0}, {w + 40, 0}},
      {{w, -20}, {w, -40}},         {{w, h + 20}, {w, h + 40}},   {{w + 20, h}, {w + 40, h}},
      {{-20, h}, {-40, h}},         {{0, h + 20}, {0, h + 40}},
  };
  for (const auto& segment : segments) target.StrokeSegment(segment[0], segment[1]);
}

}  // namespace

float ScaleFactor(double scale) { return static_cast<float>(std::trunc(scale)) / 100.0f; }

Placement PlacementFor(std::int16_t mode, bool drawable, double W, double H, double w, double h, float k) {
  if (drawable) {
    switch (mode) {
      case kPlaceCentredYDown:
        return {Rounded(W / 2 - w / 2), Rounded(H - (H / 2 - h / 2)), k, -k};
      case kPlaceCentredWithCropMarks:
        return {Rounded(W / 2 - w / 2), Rounded(H - (H / 2 - h / 2)), k, k};
      case kPlaceAtOriginYDown:
        return {0, Rounded(h), k, -k};
      case kPlaceCentred:
      case kPlaceCentredWithCropMarksYUp:
        return {Rounded(W / 2 - w / 2), Rounded(H - (H / 2 - h / 2) - h), k, k};
      default:
        return {0, 0, k, k};
    }
  }
  // Data that cannot be drawn: a 200 × 50 box for the placeholder.
  switch (mode) {
    case kPlaceCentredYDown:
      return {Rounded(W / 2 - 100), Rounded(H / 2 - 25), k, k};
    case kPlaceCentredWithCropMarks:
    case kPlaceCentred:
    case kPlaceCentredWithCropMarksYUp:
      return {Rounded(W / 2 - 100), Rounded(H - (H / 2 - 25)), k, -k};
    case kPlaceAtOrigin:
      return {0, 50, k, -k};
    default:
      return {0, 0, k, k};
  }
}

void RenderBarcode(DrawingTarget& target, const BarcodeSettings& settings, float width, float height) {
  RenderBarcode(target, settings, CheckBarcodeData(settings), width, height);
}

void RenderBarcode(DrawingTarget& target, const BarcodeSettings& settings, const DataCheck& check, float width,
                   float height) {
  const std::optional<Rect>& image = check.image;
  const float k = ScaleFactor(settings.scale);
  const double w = image ? image->width : 0;
  const double h = image ? image->height : 0;
  const Placement p = PlacementFor(settings.placementMode, image.has_value(), width, height, w, h, k);
  target.Translate(p.tx, p.ty);
  target.Scale(p.sx, p.sy);
  target.SaveState();
  if (!image) {
    DrawPlaceholder(target, settings);
    target.RestoreState();
    return;
  }
  DrawOnTarget(check.layout, settings, target);

  // Crop marks are drawn unscaled around the scaled symbol.
  target.RestoreState();
  target.SaveState();
  const float inverse = 100.0f / static_cast<float>(std::trunc(settings.scale));
  target.Scale(inverse, inverse);
  if (settings.placementMode == kPlaceCentredWithCropMarks || settings.placementMode == kPlaceCentredWithCropMarksYUp) DrawCropMarks(target, w, h);
  target.RestoreState();
}

void DrawPlaceholder(DrawingTarget& target, const BarcodeSettings& settings) {
  static constexpr std::u32string_view kMessage = U"No BarCode Image";
  target.SaveState();
  target.Translate(0, 0);
  const float inverse = 100.0f / static_cast<float>(std::trunc(settings.scale));
  target.Scale(inverse, -inverse);
  const TextMetrics metrics = target.MeasureText(kMessage, U"Helvetica", 14);
  const float tw = static_cast<float>(metrics.width);
  const float th = static_cast<float>(metrics.height);
  const Colour red{ColourSpace::Rgb, {1, 0, 0, 0}, 1};
  target.SetFillColour(red);
  target.SetStrokeColour(red);
  const double x = 100 - tw / 2;
  const double y = std::nearbyint(th / 2) + (25 - th / 2 - 50);
  target.DrawText(kMessage, {x, y}, U"Helvetica", 14);
  target.RestoreState();
}

}  // namespace kbc
