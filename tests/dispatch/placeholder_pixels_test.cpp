// The "No BarCode Image" placeholder as a bitmap shows it: red, centred on the
// 200 × 50 fallback box with its baseline about half-way up, never scaled.
#include <gtest/gtest.h>

#include <cmath>

#include "canvas/raster_canvas.h"
#include "canvas/text_layout.h"
#include "dispatch/render_barcode.h"

namespace kbc {
namespace {

TEST(PlaceholderPixels, CentredAndUnscaled) {
  const TextMetrics text = MeasureText(U"No BarCode Image", U"Helvetica", 14);
  // Capitals reach 0.72 em above the baseline, the descender of "g" about 0.2 em below.
  const double baseline = 25 + text.height / 2 - std::nearbyint(text.height / 2);
  for (const double scale : {50.0, 100.0, 150.0}) {
    BarcodeSettings settings = InitSettings();
    settings.scale = scale;
    RasterCanvas canvas(200, 50, PixelFormat::Rgb);
    RenderPlaceholder(canvas, settings);
    int left = 200, right = -1, top = 50, bottom = -1;
    for (int i = 0; i < 200 * 50; ++i) {
      const auto p = canvas.PixelAt(i % 200, i / 200);
      if (p[1] == 255) continue;
      EXPECT_TRUE(p[0] == 255 && p[1] == p[2]) << "only red is painted";
      left = std::min(left, i % 200), right = std::max(right, i % 200);
      top = std::min(top, i / 200), bottom = std::max(bottom, i / 200);
    }
    SCOPED_TRACE(scale);
    EXPECT_NEAR((left + right + 1) / 2.0, 100, 1);
    EXPECT_NEAR(right + 1 - left, text.width, 2);
    EXPECT_NEAR(top, baseline - 0.72 * 14, 1.5);
    EXPECT_NEAR(bottom, baseline + 0.21 * 14, 1.5);
  }
}

}  // namespace
}  // namespace kbc
