// The raster canvas: coverage worked out by hand on small bitmaps, colour
// conversion, state and glyphs.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/raster_canvas.h"

namespace kbc {
namespace {

const Colour kBlack{ColourSpace::Grey, {0, 0, 0, 0}, 1};

// Grey values of a canvas, row by row from the top.
std::vector<int> GreyRows(const RasterCanvas& canvas) {
  return {canvas.Pixels().begin(), canvas.Pixels().end()};
}

std::set<std::vector<int>> DistinctPixels(const RasterCanvas& canvas) {
  std::set<std::vector<int>> seen;
  for (int row = 0; row < canvas.Height(); ++row) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const auto pixel = canvas.PixelAt(x, row);
      seen.insert({pixel.begin(), pixel.end()});
    }
  }
  return seen;
}

TEST(RasterCanvas, StartsWhiteInEveryFormat) {
  const std::pair<PixelFormat, std::vector<int>> rows[] = {
      {PixelFormat::Grey, {255}}, {PixelFormat::Rgb, {255, 255, 255}}, {PixelFormat::Cmyk, {0, 0, 0, 0}}};
  for (const auto& [format, white] : rows) {
    const RasterCanvas canvas(3, 2, format);
    EXPECT_EQ(DistinctPixels(canvas), (std::set<std::vector<int>>{white}));
  }
}

// Black rectangles on a 4 × 4 grey canvas; every expected value is 255 less 255
// times the covered area of the pixel, worked out by hand (user y upwards, row 0
// at the top, so user y 0..1 is row 3).
TEST(RasterCanvas, RectangleCoverage) {
  struct Row {
    const char* what;
    Rect rect;
    bool antialias;
    std::vector<int> expected;
  };
  const Row rows[] = {
      {"whole pixels", {1, 1, 2, 1}, true,
       {255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 255, 255, 255, 255, 255}},
      // x 0.5..2.5 covers columns 0.5, 1, 0.5; y 0.25..1.25 is rows 2 (0.25) and 3 (0.75).
      {"fractional edges", {0.5, 0.25, 2, 1}, true,
       {255, 255, 255, 255, 255, 255, 255, 255, 223, 191, 223, 255, 159, 64, 159, 255}},
      // Without antialiasing only pixels whose centres lie inside are painted.
      {"fractional edges aliased", {0.5, 0.25, 2, 1}, false,
       {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 255, 255}},
      {"negative width and height", {3, 4, -1, -2}, true,
       {255, 255, 0, 255, 255, 255, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255}},
      {"clipped at the edges", {-10, -10, 11, 30}, true,
       {0, 255, 255, 255, 0, 255, 255, 255, 0, 255, 255, 255, 0, 255, 255, 255}},
  };
  for (const Row& row : rows) {
    RasterCanvas canvas(4, 4, PixelFormat::Grey);
    canvas.SetAntialias(row.antialias);
    canvas.SetFillColour(kBlack);
    canvas.FillRect(row.rect);
    EXPECT_EQ(GreyRows(canvas), row.expected) << row.what;
  }
}

// The transforms a barcode is placed with: scale 150 (bar edges at half pixels),
// a flip of y, and a mirrored x.
TEST(RasterCanvas, TransformsMovePixels) {
  struct Row {
    const char* what;
    Point translate;
    Point scale;
    Rect rect;
    std::vector<int> topRow;
  };
  const Row rows[] = {
      {"scale 1.5: x 1..2 becomes 1.5..3", {0, 0}, {1.5, 1.5}, {1, 0, 1, 10}, {255, 128, 0, 255, 255, 255}},
      {"mirrored x", {6, 0}, {-1, 1}, {0, 0, 2, 10}, {255, 255, 255, 255, 0, 0}},
      {"flipped: y 0..1 is the top row", {0, 2}, {1, -1}, {3, 0, 1, 1}, {255, 255, 255, 0, 255, 255}},
  };
  for (const Row& row : rows) {
    RasterCanvas canvas(6, 2, PixelFormat::Grey);
    canvas.Translate(row.translate.x, row.translate.y);
    canvas.Scale(row.scale.x, row.scale.y);
    canvas.SetFillColour(kBlack);
    canvas.FillRect(row.rect);
    EXPECT_EQ(std::vector<int>(canvas.Pixels().begin(), canvas.Pixels().begin() + 6), row.topRow) << row.what;
  }
}

// Colours in a space the canvas does not hold are converted; colours in its own
// space keep their exact components.
TEST(RasterCanvas, ColoursInEachFormat) {
  struct Row {
    const char* what;
    PixelFormat format;
    Colour colour;
    std::vector<int> expected;
  };
  const Row rows[] = {
      {"CMYK kept exactly", PixelFormat::Cmyk, {ColourSpace::Cmyk, {0.2, 0.4, 0.6, 0.8}, 1}, {51, 102, 153, 204}},
      {"grey on CMYK is black ink", PixelFormat::Cmyk, {ColourSpace::Grey, {0.25, 0, 0, 0}, 1}, {0, 0, 0, 191}},
      {"RGB on CMYK", PixelFormat::Cmyk, {ColourSpace::Rgb, {1, 0.5, 0, 0}, 1}, {0, 128, 255, 0}},
      {"grey g on RGB is g, g, g", PixelFormat::Rgb, {ColourSpace::Grey, {0.2, 0, 0, 0}, 1}, {51, 51, 51}},
      {"CMYK on RGB: (1-C)(1-K)", PixelFormat::Rgb, {ColourSpace::Cmyk, {0.5, 0, 1, 0.2}, 1}, {102, 204, 0}},
      {"RGB on grey by luma", PixelFormat::Grey, {ColourSpace::Rgb, {1, 0, 0, 0}, 1}, {76}},
      {"half alpha over white", PixelFormat::Rgb, {ColourSpace::Rgb, {0, 0, 1, 0}, 0.5}, {128, 128, 255}},
      {"no alpha paints nothing", PixelFormat::Grey, {ColourSpace::Grey, {0, 0, 0, 0}, 0}, {255}},
  };
  for (const Row& row : rows) {
    RasterCanvas canvas(1, 1, row.format);
    canvas.SetFillColour(row.colour);
    canvas.FillRect({0, 0, 1, 1});
    const auto pixel = canvas.PixelAt(0, 0);
    EXPECT_EQ(std::vector<int>(pixel.begin(), pixel.end()), row.expected) << row.what;
  }
}

TEST(RasterCanvas, RestoreBringsBackTransformColourAndSwitches) {
  RasterCanvas canvas(4, 1, PixelFormat::Grey);
  canvas.SetFillColour(kBlack);
  canvas.SaveState();
  canvas.Translate(2, 0);
  canvas.SetFillColour({ColourSpace::Grey, {0.5, 0, 0, 0}, 1});
  canvas.SetAntialias(false);
  canvas.RestoreState();
  canvas.FillRect({0.5, 0, 1, 1});  // antialiased again, black, at the origin
  EXPECT_EQ(GreyRows(canvas), (std::vector<int>{128, 128, 255, 255}));
}

// Crop marks and frames: strokes centred on their path with butt ends.
TEST(RasterCanvas, Strokes) {
  RasterCanvas segment(6, 3, PixelFormat::Grey);
  segment.SetStrokeColour(kBlack);
  segment.SetLineWidth(0.5);
  segment.StrokeSegment({1, 1.5}, {4, 1.5});  // y 1.25..1.75 is half of row 1
  EXPECT_EQ(GreyRows(segment), (std::vector<int>{255, 255, 255, 255, 255, 255,  //
                                                 255, 128, 128, 128, 255, 255,  //
                                                 255, 255, 255, 255, 255, 255}));

  RasterCanvas frame(6, 6, PixelFormat::Grey);
  frame.SetStrokeColour(kBlack);
  frame.SetLineWidth(1);
  frame.StrokeRect({1.5, 1.5, 3, 3});  // the ring between 1..5 and 2..4, no seams at corners
  for (int row = 0; row < 6; ++row) {
    for (int x = 0; x < 6; ++x) {
      const bool ring = x >= 1 && x <= 4 && row >= 1 && row <= 4 && !(x >= 2 && x <= 3 && row >= 2 && row <= 3);
      EXPECT_EQ(frame.PixelAt(x, row)[0], ring ? 0 : 255) << x << "," << row;
    }
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

struct InkBounds {
  int left = 1 << 30;
  int right = -1;
  int top = 1 << 30;
  int bottom = -1;
};

InkBounds InkOf(const RasterCanvas& canvas) {
  InkBounds ink;
  for (int row = 0; row < canvas.Height(); ++row) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.PixelAt(x, row)[0] == 255) continue;
      ink = {std::min(ink.left, x), std::max(ink.right, x), std::min(ink.top, row), std::max(ink.bottom, row)};
    }
  }
  return ink;
}

// Glyphs are drawn upright, on the baseline, from the origin rightwards, with
// or without hinting (font smoothing), and with antialiasing off leave only the
// two colours.
TEST(RasterCanvas, GlyphsSitOnTheBaseline) {
  for (const bool antialias : {true, false}) {
    for (const bool smoothing : {true, false}) {
      RasterCanvas canvas(80, 40, PixelFormat::Grey);
      canvas.SetAntialias(antialias);
      canvas.SetFontSmoothing(smoothing);
      canvas.SetFillColour(kBlack);
      canvas.DrawText(U"HI", {10, 10}, U"Helvetica", 20);  // baseline on row 30
      const InkBounds ink = InkOf(canvas);
      EXPECT_GE(ink.left, 10);
      EXPECT_LE(ink.left, 13);
      EXPECT_EQ(ink.bottom, 29) << "capitals end on the baseline";
      EXPECT_NEAR(ink.top, 30 - 14.4, 1.5) << "cap height of Helvetica is 0.72 em";
      if (!antialias) {
        EXPECT_EQ(DistinctPixels(canvas).size(), 2u);
      }
    }
  }
}

TEST(RasterCanvas, GlyphsFollowAFlip) {
  RasterCanvas canvas(80, 40, PixelFormat::Grey);
  canvas.Translate(0, 40);
  canvas.Scale(1, -1);  // y downwards from the top: glyphs hang upside down
  canvas.SetFillColour(kBlack);
  canvas.DrawText(U"HI", {10, 10}, U"Helvetica", 20);
  const InkBounds ink = InkOf(canvas);
  EXPECT_EQ(ink.top, 10);
  EXPECT_NEAR(ink.bottom, 10 + 14.4, 1.5);
}

}  // namespace
}  // namespace kbc
