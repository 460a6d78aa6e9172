// The raster canvas: coverage worked out by hand on small bitmaps, colour
// conversion, state and glyphs.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "canvas/raster_canvas.h"

namespace kbc {
namespace {

const Colour kBlack{ColourSpace::Grey, {0, 0, 0, 0}, 1};

std::vector<int> Ints(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

// Black on a 4 × 4 grey canvas; every expected value is 255 less 255 times the
// covered area of the pixel, worked out by hand (user y upwards, row 0 at the
// top, so user y 0..1 is row 3). Boxes in the device's own orientation, their
// runs, clipping and alpha are checked against a reference in
// raster_canvas_differential_test.cpp; these are the transforms, state and strokes.
TEST(RasterCanvas, CoverageOfRectanglesAndStrokes) {
  const std::tuple<const char*, std::function<void(RasterCanvas&)>, std::vector<int>> rows[] = {
      // x 0.5..2.5 covers columns 0.5, 1, 0.5; y 0.25..1.25 is rows 2 (0.25) and 3 (0.75).
      {"fractional edges", [](RasterCanvas& c) { c.FillRect({0.5, 0.25, 2, 1}); },
       {255, 255, 255, 255, 255, 255, 255, 255, 223, 191, 223, 255, 159, 64, 159, 255}},
      {"negative width and height", [](RasterCanvas& c) { c.FillRect({3, 4, -1, -2}); },
       {255, 255, 0, 255, 255, 255, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255}},
      // Scale 150 puts bar edges on half pixels: x 1..2 becomes 1.5..3.
      {"scale 1.5", [](RasterCanvas& c) { c.Scale(1.5, 1.5), c.FillRect({1, 0, 1, 10}); },
       {255, 128, 0, 255, 255, 128, 0, 255, 255, 128, 0, 255, 255, 128, 0, 255}},
      {"mirrored x", [](RasterCanvas& c) { c.Translate(4, 0), c.Scale(-1, 1), c.FillRect({0, 0, 2, 10}); },
       {255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0}},
      {"flipped: y 0..1 is the top row", [](RasterCanvas& c) { c.Translate(0, 4), c.Scale(1, -1), c.FillRect({3, 0, 1, 1}); },
       {255, 255, 255, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}},
      {"restore brings back transform, colour and antialiasing",
       [](RasterCanvas& c) {
         c.SaveState(), c.Translate(2, 0), c.SetFillColour({ColourSpace::Grey, {0.5, 0, 0, 0}, 1});
         c.SetAntialias(false), c.RestoreState(), c.FillRect({0.5, 0, 1, 1});
       },
       {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 128, 128, 255, 255}},
      // Crop marks and frames: strokes centred on their path with butt ends.
      {"frame without seams at the corners", [](RasterCanvas& c) { c.StrokeRect({0.5, 0.5, 3, 3}); },
       {0, 0, 0, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 0, 0, 0}},
      {"segment of width 0.5", [](RasterCanvas& c) { c.SetLineWidth(0.5), c.StrokeSegment({1, 0.5}, {3, 0.5}); },
       {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 128, 128, 255}},
  };
  for (const auto& [what, draw, expected] : rows) {
    RasterCanvas canvas(4, 4, PixelFormat::Grey);
    canvas.SetFillColour(kBlack);
    canvas.SetStrokeColour(kBlack);
    draw(canvas);
    EXPECT_EQ(Ints(canvas.Pixels()), expected) << what;
  }
}

// A diagonal stroke covers exactly its area: length × width, summed over pixels.
TEST(RasterCanvas, DiagonalStrokeCoversItsArea) {
  RasterCanvas canvas(40, 40, PixelFormat::Grey);
  canvas.SetStrokeColour(kBlack);
  canvas.SetLineWidth(2);
  canvas.StrokeSegment({5, 5}, {29, 23});  // length 30
  double ink = 0;
  for (const std::uint8_t value : canvas.Pixels()) ink += (255 - value) / 255.0;
  EXPECT_NEAR(ink, 60, 0.5);
}

// Colours in a space the canvas does not hold are converted (its own space and
// alpha are in the differential test).
TEST(RasterCanvas, ColoursInEachFormat) {
  const std::tuple<const char*, PixelFormat, Colour, std::vector<int>> rows[] = {
      {"grey on CMYK is black ink", PixelFormat::Cmyk, {ColourSpace::Grey, {0.25, 0, 0, 0}, 1}, {0, 0, 0, 191}},
      {"RGB on CMYK", PixelFormat::Cmyk, {ColourSpace::Rgb, {1, 0.5, 0, 0}, 1}, {0, 128, 255, 0}},
      {"grey g on RGB is g, g, g", PixelFormat::Rgb, {ColourSpace::Grey, {0.2, 0, 0, 0}, 1}, {51, 51, 51}},
      {"CMYK on RGB: (1-C)(1-K)", PixelFormat::Rgb, {ColourSpace::Cmyk, {0.5, 0, 1, 0.2}, 1}, {102, 204, 0}},
      {"RGB on grey by luma", PixelFormat::Grey, {ColourSpace::Rgb, {1, 0, 0, 0}, 1}, {76}},
  };
  for (const auto& [what, format, colour, expected] : rows) {
    RasterCanvas canvas(1, 1, format);
    canvas.SetFillColour(colour);
    canvas.FillRect({0, 0, 1, 1});
    EXPECT_EQ(Ints(canvas.PixelAt(0, 0)), expected) << what;
  }
}

// Glyphs are drawn upright on the baseline from the origin rightwards, with or
// without hinting (font smoothing), hang down under a flip, come from a fallback
// font for an unknown name, and with antialiasing off leave only two colours.
TEST(RasterCanvas, GlyphsSitOnTheBaseline) {
  const std::tuple<bool, bool, bool, std::u32string_view> rows[] = {
      {true, true, false, U"Helvetica"},  {true, false, false, U"Helvetica"}, {false, true, false, U"Helvetica"},
      {false, false, false, U"Helvetica"}, {true, true, true, U"Helvetica"},  {true, true, false, U"No Such Font"},
  };
  for (const auto& [antialias, smoothing, flipped, font] : rows) {
    RasterCanvas canvas(80, 40, PixelFormat::Grey);
    if (flipped) canvas.Translate(0, 40), canvas.Scale(1, -1);
    canvas.SetAntialias(antialias);
    canvas.SetFontSmoothing(smoothing);
    canvas.SetFillColour(kBlack);
    canvas.DrawText(U"HI", {10, 10}, font, 20);  // upright, the baseline is row 30
    int left = 80, right = -1, top = 40, bottom = -1;
    for (int i = 0; i < 80 * 40; ++i) {
      if (canvas.Pixels()[std::size_t(i)] == 255) continue;
      left = std::min(left, i % 80), right = std::max(right, i % 80);
      top = std::min(top, i / 80), bottom = std::max(bottom, i / 80);
    }
    const std::set<std::uint8_t> values(canvas.Pixels().begin(), canvas.Pixels().end());
    SCOPED_TRACE(testing::Message() << antialias << smoothing << flipped << font.size());
    EXPECT_GE(left, 10);
    EXPECT_LE(left, 13);
    EXPECT_NEAR(right, 28, 2) << "H then I, about one em";
    // Capitals are about 0.72 em tall.
    EXPECT_EQ(flipped ? top : bottom, flipped ? 10 : 29) << "capitals end on the baseline";
    EXPECT_NEAR(flipped ? bottom : top, flipped ? 10 + 14.4 : 30 - 14.4, 1.5) << "cap height";
    EXPECT_TRUE(antialias || values.size() == 2) << "two colours without antialiasing";
  }
}

// A glyph that crosses an edge of the image keeps, inside it, exactly the
// pixels it has when drawn whole on a larger canvas: the clipping neither
// drops nor shifts a row or column. Cut on each side, grey and mono glyphs;
// capitals at size 20 are about 14 rows tall and "WM" about 36 columns wide.
TEST(RasterCanvas, GlyphsCutByTheImageEdgeKeepTheirInnerPixels) {
  constexpr int kMargin = 30;
  const std::tuple<const char*, double, double, bool> rows[] = {
      {"left", -6, 16, true},  {"right", 4, 16, true},          {"top", 2, 8, true},
      {"bottom", 2, 26, true}, {"left and right", -8, 16, true}, {"left, mono", -6, 16, false},
  };
  for (const auto& [edge, x, baselineRow, antialias] : rows) {
    SCOPED_TRACE(edge);
    RasterCanvas whole(20 + 2 * kMargin, 20 + 2 * kMargin, PixelFormat::Rgb);
    RasterCanvas cut(20, 20, PixelFormat::Rgb);
    for (RasterCanvas* canvas : {&whole, &cut}) {
      canvas->SetAntialias(antialias);
      canvas->SetFillColour(kBlack);
    }
    // y upwards from the bottom row.
    whole.DrawText(U"WM", {x + kMargin, 20 + kMargin - baselineRow}, U"Helvetica", 20);
    cut.DrawText(U"WM", {x, 20 - baselineRow}, U"Helvetica", 20);
    EXPECT_TRUE(std::ranges::any_of(cut.Pixels(), [](std::uint8_t v) { return v != 255; })) << "no ink";
    for (int row = 0; row < 20; ++row) {
      for (int column = 0; column < 20; ++column) {
        ASSERT_EQ(Ints(cut.PixelAt(column, row)), Ints(whole.PixelAt(column + kMargin, row + kMargin)))
            << "column " << column << ", row " << row;
      }
    }
  }
}

}  // namespace
}  // namespace kbc
