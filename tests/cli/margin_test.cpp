// -margin N: N units of background on every side, scaled with the symbol, on
// every target; filled with the background colour only under -coltrans 1.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"
#include "support/raw_pixels.h"

namespace kbc::test {
namespace {

struct MarginRow {
  std::vector<std::string> symbol;
  std::string scale;
  std::string size;  // the image with margins, points as the EPS bounding box gives them
  std::string pixels;
  std::string text;  // as ZXingReader reads it
};

const MarginRow kRows[] = {
    // EAN-13 is 113 × 80 units, 133 × 100 with margins of 10, shrunk at scale 50.
    {{"-type", "EAN-13", "-data", "590123412345"}, "50", "66.5000 50.0000", "66 50", "5901234123457"},
    // QR "Lot 7" is version 1 in its quiet zone, 29 modules of 3 units: 87 + 20 a side.
    {{"-type", "QRCode", "-data", "Lot 7"}, "150", "160.5000 160.5000", "160 160", "Lot 7"},
};

TEST(Margin, EveryTargetGrowsByTheScaledMarginAndStillScans) {
  for (const MarginRow& row : kRows) {
    const std::string where = row.symbol[1] + " at scale " + row.scale;
    const std::vector<std::string> options{"-margin", "10", "-scale", row.scale};
    const std::string epsPath = WriteSymbol("margin.eps", "epsf", options, row.symbol);
    EXPECT_NE(ReadFile(epsPath).find("%%BoundingBox: 0 0 " + row.size + "\n"), std::string::npos) << where;
    const std::string svgPath = WriteSymbol("margin.svg", "svgf", options, row.symbol);
    const std::string png = WriteSymbol("margin.png", "pngf", options, row.symbol);
    EXPECT_EQ(Identify(png, "%w %h"), row.pixels) << where;
    const std::string pdf = WriteSymbol("margin.pdf", "pdff", options, row.symbol);
    // At scale 50 a bitmap's module is half a pixel, which no reader reads;
    // the documents are read at any scale.
    std::vector<std::string> images = {Rasterise(svgPath), Rasterise(epsPath), Rasterise(pdf)};
    if (row.scale != "50") images.push_back(EnlargeBitmap(png, 400, nullptr, true));
    for (const std::string& image : images) {
      const auto read = ZxingRead(image);
      ASSERT_EQ(read.size(), 1u) << where << " " << image << ": " << Describe(read);
      EXPECT_EQ(read[0].text, row.text) << where;
    }
  }
}

// The margin's pixels are the background colour under -coltrans 1 and stay
// unfilled otherwise.
TEST(Margin, FilledOnlyWithAnOpaqueBackground) {
  const std::vector<std::string> grey = {"-margin", "10", "-bcolcomponent1", "0.5", "-bcolcomponent2", "0.5",
                                         "-bcolcomponent3", "0.5"};
  std::vector<std::string> opaque = grey;
  opaque.insert(opaque.end(), {"-coltrans", "1"});
  const RawImage filled = ReadPixels(WriteSymbol("filled.png", "pngf", opaque), "gray");
  const RawImage open = ReadPixels(WriteSymbol("open.png", "pngf", grey), "gray");
  ASSERT_EQ(filled.width, 133);
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{132, 99}, std::pair{5, 50}}) {
    EXPECT_EQ(filled.At(x, y)[0], 128) << x << "," << y;
    EXPECT_EQ(open.At(x, y)[0], 255) << x << "," << y;
  }
}

}  // namespace
}  // namespace kbc::test
