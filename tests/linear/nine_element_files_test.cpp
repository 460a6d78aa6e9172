// Code 39, Code 32, Code 93 and PZN as files: golden EPS/SVG checked by hand,
// and PNG and SVG renderings read back by independent decoders.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/decoders.h"
#include "support/output_files.h"

namespace kbc {
namespace {

// Checked by hand: the image size (W, and H = 48 less the capped trim); every
// bar from y 16 to H (SVG: from 0 to H − 16), its x and width against the
// character patterns with the one-unit gaps and no quiet zone (the last bar
// ends at W); the text one character per item at x 5, 12, 19, ..., baseline 7
// (SVG y H − 7), one EPS font change.
const test::GoldenCase kGoldenCases[] = {
    {"code39_Ab", {"-type", "Code-39", "-data", "Ab"}},                         // * A +B *: the pair's B starts with a bar
    {"code32_1234567_trim30", {"-type", "Code-32", "-data", "1234567", "-trim", "30"}},  // *0CSSBD*, H 23
    {"code93_a", {"-type", "Code-93", "-data", "a"}},                           // start (+) A C K stop: W 55
    {"pzn_12", {"-type", "PZN", "-data", "12"}},                                // *-00000129*: W 175
};

TEST(NineElementGoldenFiles, EpsAndSvgMatchTheReviewedFiles) { test::ExpectGoldenFiles(kGoldenCases); }

// Code 39 decoders return full-ASCII pairs as they stand; Code 32 and PZN read as
// Code 39 carrying the base-32 text and "-" with the eight digits.
const struct {
  const char* type;
  const char* data;
  const char* read;
  bool zbarReadsText = true;  // zbarimg reports data with control characters in base 64
} kReadCases[] = {
    {"Code-39", "CODE 39-$/+%.", "CODE 39-$/+%."},
    {"Code-39", "*ABC*", "ABC"},
    {"Code-39", "a@[`{~\x7F", "+A%V%K%W%P%S%T"},
    {"Code-32", "1234567", "0CSSBD"},
    {"PZN", "12", "-00000129"},
    {"Code-93", "TEST93", "TEST93"},
    {"Code-93", "a@[\\]^_`{|}~;<=>?\"#&'", "a@[\\]^_`{|}~;<=>?\"#&'"},
    {"Code-93", "A\x01" "B\tc", "A\x01" "B\tc", false},
};

TEST(NineElementDecoderRoundTrip, PngAndSvgReadBack) {
  for (const auto& c : kReadCases) {
    const std::string format = std::string(c.type) == "Code-93" ? "Code93" : "Code39";
    const std::string zbarType = format == "Code93" ? "CODE-93" : "CODE-39";
    for (const std::string action : {"svgf", "pngf"}) {
      SCOPED_TRACE(std::string(c.type) + " " + c.data + " " + action);
      const std::string png = test::WriteAndRasterise({"-type", c.type, "-data", c.data}, action);
      const auto zxing = test::ZxingRead(png);
      ASSERT_EQ(zxing.size(), 1u) << test::Describe(zxing);
      EXPECT_EQ(zxing[0].format + " " + zxing[0].bytes, format + " " + c.read);
      if (c.zbarReadsText) {
        EXPECT_EQ(test::ZbarSorted(png), std::vector<std::string>{zbarType + ":" + c.read});
      }
    }
  }
}

}  // namespace
}  // namespace kbc
