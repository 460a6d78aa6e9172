// The "No BarCode Image" placeholder as a bitmap shows it: red, centred on the
// 200 × 50 fallback box with its baseline about half-way up, never scaled.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/fonts.h"
#include "platform/raster_canvas.h"
#include "render/render.h"

namespace kbc {
namespace {

TEST(PlaceholderPixels, CentredAndUnscaled) {
  for (const double scale : {50.0, 100.0, 150.0}) {
    BarcodeSettings settings = InitSettings();
    settings.symbology = 1;  // EAN-13 without digits cannot be drawn
    settings.data = U"";
    settings.scale = scale;
    settings.placementMode = 3;
    RasterCanvas canvas(200, 50, PixelFormat::Rgb);
    RenderBarcode(&canvas, settings, 200, 50);

    int left = 200, right = -1, top = 50, bottom = -1;
    for (int row = 0; row < 50; ++row) {
      for (int x = 0; x < 200; ++x) {
        const auto p = canvas.PixelAt(x, row);
        if (p[1] == 255) continue;
        EXPECT_EQ(p[0], 255) << "only red is painted";
        EXPECT_EQ(p[1], p[2]);
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, row), bottom = std::max(bottom, row);
      }
    }
    const TextMetrics text = MeasureText(U"No BarCode Image", U"Helvetica", 14);
    EXPECT_NEAR((left + right + 1) / 2.0, 100, 1) << scale;
    EXPECT_NEAR(right + 1 - left, text.width, 2) << scale;
    // Baseline at row 25 + th/2 − rint(th/2): capitals reach 0.72 em above it,
    // the descender of "g" about 0.2 em below.
    const double baseline = 25 + text.height / 2 - std::nearbyint(text.height / 2);
    EXPECT_NEAR(top, baseline - 0.72 * 14, 1.5) << scale;
    EXPECT_NEAR(bottom, baseline + 0.21 * 14, 1.5) << scale;
  }
}

}  // namespace
}  // namespace kbc
