// The two-of-five family, Identcode, Codabar, MSI, Telepen and Pharmacode as
// EPS and SVG files checked by hand, and the ones a decoder here reads read
// back from SVG, EPS and PNG.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/decoders.h"
#include "support/output_files.h"

namespace kbc {
namespace {

// Checked by hand against the layout rules: image size; bar rectangles from
// the first-element x (Code 25 10, interleaved 4, ITF-SCC 32, the others 0)
// with their bottoms (15, 15, 26, 16, 13, 13, 13) and tops (the image height,
// 90 for ITF-SCC), each element's width from the tables; text items, their x
// pitch, baseline and group font size (EPS 9 for the interleaved codes, 7 for
// Identcode, the SVG text always 10); the SVG y flip. ITF-SCC: "10
// setlinewidth", the frame 5 21 300 95 QZdrawrect, "1 setlinewidth", in SVG
// the unflipped path 5 21 .. 300 95 translated (0, -16), so it covers y 0..10
// and 74..84 of the flipped 100-high image; the H marks at 11..16 and
// 289..294, y 35..51 flipped, crossbars 41..43.
const test::GoldenCase kGoldenCases[] = {
    {"code25_12", {"-type", "Code-25", "-data", "12"}},                          // W 64, text drifts by 1
    {"interleaved25_123", {"-type", "Interleaved-25", "-data", "123"}},          // 0123, W 55
    {"itfscc_1_display_ignored", {"-type", "ITF-SCC", "-data", "1", "-disp", "X", "-trim", "50"}},  // 305 x 100
    {"identcode_12345678901", {"-type", "Identcode", "-data", "12345678901"}},  // check 6, grouped text
    {"codabar_123", {"-type", "Codabar", "-data", "123"}},                      // a123b, W 64
    {"msi_1234_trim40", {"-type", "MSI", "-data", "1234", "-trim", "40"}},      // check 4, W 67, H 18
    {"telepen_1234", {"-type", "Telepen", "-data", "1234"}},                    // compacted, W 80
    {"pharmacode_12", {"-type", "Pharmacode", "-data", "12"}},                  // wide narrow wide, W 14
};

TEST(NumericCodesGoldenFiles, EpsAndSvgMatchTheReviewedFiles) { test::ExpectGoldenFiles(kGoldenCases); }

struct ReadCase {
  const char* type;
  const char* data;
  std::string zxing;  // "format text"
  std::string zbar;   // "TYPE:text"
};

// ZXingReader reads interleaved codes of 6 digits and more and drops Codabar's
// start and stop letters; ITF-SCC's bearer touches the bars, so every image
// gets a white border.
const ReadCase kReadCases[] = {
    {"Interleaved-25", "1234567", "ITF 01234567", "I2/5:01234567"},
    {"ITF-14", "1234567890123", "ITF 01234567890123", "I2/5:01234567890123"},
    {"ITF-SCC", "1", "ITF 00000000000001", "I2/5:00000000000001"},
    {"Codabar", "123456", "Codabar 123456", "Codabar:A123456B"},
    {"Identcode", "563102430", "ITF 005631024304", "I2/5:005631024304"},
};

TEST(NumericCodesDecoderRoundTrip, SvgEpsAndPngReadBack) {
  for (const ReadCase& c : kReadCases) {
    for (const std::string action : {"svgf", "epsf", "pngf"}) {
      SCOPED_TRACE(std::string(c.type) + " " + c.data + " " + action);
      const std::string rendered = test::WriteAndRasterise({"-type", c.type, "-data", c.data}, action);
      const std::string png = action == "pngf" ? rendered : test::EnlargeBitmap(rendered, 100);
      const auto zxing = test::ZxingRead(png);
      std::vector<std::string> found;
      for (const auto& d : zxing) found.push_back(d.format + " " + d.text);
      EXPECT_EQ(found, std::vector<std::string>{c.zxing}) << test::Describe(zxing);
      EXPECT_EQ(test::ZbarSorted(png), std::vector<std::string>{c.zbar});
    }
  }
}

}  // namespace
}  // namespace kbc
