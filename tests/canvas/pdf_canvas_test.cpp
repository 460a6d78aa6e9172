// The PDF canvas drawn on directly and rasterised by pdftoppm at one pixel per
// point: strokes, transforms and colours land where the raster canvas puts them.
#include <gtest/gtest.h>

#include <fstream>

#include "canvas/pdf_canvas.h"
#include "canvas/raster_canvas.h"
#include "support/process.h"
#include "support/raw_pixels.h"

namespace kbc {
namespace {

TEST(PdfCanvas, MatchesTheRasterCanvas) {
  PdfCanvas pdf(40, 20);
  RasterCanvas raster(40, 20, PixelFormat::Rgb);
  for (DrawingTarget* target : std::initializer_list<DrawingTarget*>{&pdf, &raster}) {
    target->SetAntialias(false);
    target->SetStrokeColour({ColourSpace::Cmyk, {0, 1, 1, 0}, 1});  // red
    target->StrokeSegment({2, 3.5}, {12, 3.5});                       // default width 1: row 16 of 20
    target->Translate(20, 0);
    target->Scale(2, 2);
    target->SetFillColour({ColourSpace::Grey, {0.2, 0, 0, 0}, 1});
    target->FillRect({1, 4, 3, 2});  // x 22..28, y 8..12: rows 8..11
  }
  const Result<std::string> bytes = pdf.Finish();
  ASSERT_TRUE(bytes) << bytes.refusal;
  const std::string path = test::TempDir() + "/canvas.pdf";
  std::ofstream(path, std::ios::binary) << *bytes;
  ASSERT_EQ(test::RunProgram({"pdftoppm", "-r", "72", "-png", "-singlefile", path, path}).status, 0);
  const test::RawImage page = test::ReadPixels(path + ".png", "rgb");
  ASSERT_EQ(page.width, 40);
  const std::vector<int> red{255, 0, 0}, grey{51, 51, 51}, white{255, 255, 255};
  for (const auto& [x, row, colour] : {std::tuple{5, 16, red}, {5, 15, white}, {5, 17, white}, {24, 9, grey},
                                       {24, 12, white}, {21, 9, white}}) {
    EXPECT_EQ(page.At(x, row), colour) << "PDF at " << x << "," << row;
    const auto pixel = raster.PixelAt(x, row);
    EXPECT_EQ(std::vector<int>(pixel.begin(), pixel.end()), colour) << "bitmap at " << x << "," << row;
  }
}

}  // namespace
}  // namespace kbc
