// The postal symbols as golden EPS and SVG files checked by hand.
#include <gtest/gtest.h>

#include "support/output_files.h"

namespace kbc {
namespace {

// Checked by hand against the layout rules: image size, every bar's x, width,
// bottom and height (SVG y flipped from the image top), no text anywhere.
// PostNet 12345, check 5: 32 bars every 3, tall 0..9, short 0..4, W 94.
// RM4SCC SN34RD1A, check K: 38 bars every 4, 2 wide, full 0..21, ascender
// 8..21, descender 0..12, tracker 8..12, W 152. FIM A: bars at 38, 42, 54, 66
// and 70, 0..45. USPS4CB, the published example with ZIP 01234: bars from 9 to
// 267, full 2..14, ascender 6..14, descender 2..10, tracker 6..10.
const test::GoldenCase kGoldenCases[] = {
    {"postnet_12345", {"-type", "PostNet", "-data", "12345"}},
    {"rm4scc_SN34RD1A", {"-type", "RM4SCC", "-data", "SN34RD1A"}},
    {"fim_a", {"-type", "FIM", "-data", "a"}},
    {"usps4cb_zip", {"-type", "USPS4CB", "-data", "0123456709498765432101234"}},
};

TEST(PostalGoldenFiles, EpsAndSvgMatchTheReviewedFiles) { test::ExpectGoldenFiles(kGoldenCases); }

}  // namespace
}  // namespace kbc
