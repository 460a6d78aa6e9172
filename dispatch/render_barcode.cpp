#include "dispatch/render_barcode.h"

#include <cmath>

#include "render/draw_list_targets.h"

namespace kbc {

double ScaleFactor(double scale) {
  // -scale's whole percentages as the canvases have always taken them; the
  // factor worked out for an X-dimension exactly.
  if (scale == std::trunc(scale)) return static_cast<float>(scale) / 100.0f;
  return scale / 100;
}

void RenderBarcode(DrawingTarget& target, const BarcodeSettings& settings, const CheckedSymbol& checked) {
  const double k = ScaleFactor(settings.scale);
  target.SaveState();
  target.Scale(k, k);
  DrawOnTarget(checked.layout, settings, target);
  target.RestoreState();
}

void RenderPlaceholder(DrawingTarget& target, const BarcodeSettings& settings) {
  static constexpr std::u32string_view kMessage = U"No BarCode Image";
  // The message is measured y-down from the box's top edge, at the scale the
  // symbol would have had and undoing it: the same size at every scale.
  const double k = ScaleFactor(settings.scale);
  const double inverse = settings.scale == std::trunc(settings.scale)
                             ? double(100.0f / static_cast<float>(settings.scale))
                             : 100 / settings.scale;
  target.SaveState();
  target.Translate(0, 50);
  target.Scale(k, -k);
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
