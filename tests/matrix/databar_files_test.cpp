// GS1 DataBar files from the command line: decoder reads of PNG and SVG files
// and hand-checked golden files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/decoders.h"
#include "support/output_files.h"

namespace kbc {
namespace {

struct ReadCase {
  const char* type;
  const char* data;
  const char* zxing;  // "format text" as ZXingReader reports it
  const char* zbar;   // "type:data" as zbarimg reports it; empty: not asked (its FNC1 comes back in base64)
};

// The numeric kinds carry (01) with the item number's check digit appended by
// the decoder; 2001234567890 is the standard's example item (01)20012345678909.
const ReadCase kReadCases[] = {
    {"Databar-Omnidirectional", "2001234567890", "DataBar 20012345678909", "DataBar:0120012345678909"},
    {"Databar-Truncated", "123", "DataBar 00000000001236", "DataBar:0100000000001236"},
    {"Databar-Stacked", "123456789012", "DataBar 01234567890128", "DataBar:0101234567890128"},
    {"Databar-StackedOmnidirectional", "10000000000000", "DataBar 10000000000007", "DataBar:0110000000000007"},
    {"Databar-Expanded", "01988987654321063103001234", "DataBarExpanded (01)98898765432106(3103)001234",
     "DataBar-Exp:01988987654321063103001234"},
    {"Databar-Expanded", "10ABC-12#21x/y z", "DataBarExpanded (10)ABC-12(21)x/y z", ""},
};

// Stacked symbols are read as pure images (ZXingReader's -ispure); the others too.
TEST(DataBarDecoderRoundTrip, PngAndSvgReadBack) {
  for (const ReadCase& c : kReadCases) {
    for (const std::string action : {"svgf", "pngf"}) {
      SCOPED_TRACE(std::string(c.type) + " " + c.data + " " + action);
      const std::string png = test::WriteAndRasterise({"-type", c.type, "-data", c.data}, action);
      const auto zxing = test::ZxingRead(png, {"-ispure"});
      ASSERT_EQ(zxing.size(), 1u) << test::Describe(zxing);
      EXPECT_EQ(zxing[0].format + " " + zxing[0].text, c.zxing);
      if (*c.zbar != '\0') {
        EXPECT_EQ(test::ZbarSorted(png), std::vector<std::string>{c.zbar});
      }
    }
  }
}

// Checked by hand: Stacked 123 is 50 × 13 units; its upper half fills y 0-5
// (SVG, top down), the separator y 5-6 from x 4 on (4 light modules over the
// guard), the lower half y 6-13 starting with its dark guard module at x 0; the
// EPS rectangles are the same with y measured up from the bottom. Limited 123
// is 74 × 10, one row, the guard's first dark module at x 1.
const test::GoldenCase kGoldenCases[] = {
    {"databar_stacked_123", {"-type", "Databar-Stacked", "-data", "123"}},
    {"databar_limited_123", {"-type", "Databar-Limited", "-data", "123"}},
};

TEST(DataBarGoldenFiles, EpsAndSvgMatchTheReviewedFiles) { test::ExpectGoldenFiles(kGoldenCases); }

}  // namespace
}  // namespace kbc
