// The postal symbols as files: golden EPS and SVG checked by hand, the data
// check's size against the drawn image, and a refused tracking code.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>

#include "check/validate.h"
#include "core/symbology.h"
#include "dispatch/render_barcode.h"
#include "support/output_files.h"
#include "support/process.h"
#include "support/recording_target.h"

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

// Random data of every length and kind, shaped as the command line shapes it:
// whatever the check accepts is drawn exactly as wide and high as it said,
// with every bar inside; what it refuses is not drawn.
TEST(PostalDataCheck, WidthAndHeightAreTheDrawnOnes) {
  std::mt19937 random(20261207);
  constexpr std::string_view kAlphabet = "0123456789012345678901234567890123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcz -.";
  for (int round = 0; round < 400; ++round) {
    BarcodeSettings s = InitSettings();
    s.symbology = std::array{kPostNet, kRm4scc, kFim, kUsps4cb}[round % 4];
    // USPS4CB digits mostly of the lengths it takes, any second digit.
    const bool usps = s.symbology == kUsps4cb;
    const std::size_t length = usps ? std::array<std::size_t, 5>{20, 25, 29, 31, 24}[random() % 5] : 1 + random() % 33;
    const std::string_view alphabet = usps ? kAlphabet.substr(0, 10) : kAlphabet;
    for (std::size_t i = 0; i < length; ++i) s.data += char32_t(alphabet[random() % alphabet.size()]);
    s.opaqueBackground = 1;
    s.placementMode = kPlaceAtOrigin;
    ShapeDataForType(s);
    SCOPED_TRACE(std::string(SymbologyName(s.symbology)) + " " + std::string(s.data.begin(), s.data.end()));
    if (s.data.empty()) continue;
    const DataCheck check = CheckBarcodeData(s);
    test::RecordingTarget target;
    RenderBarcode(&target, s, 0, 0);
    std::vector<Rect> rects;
    for (const test::RecordedCall& call : target.calls) {
      if (call.op == "fillrect") rects.push_back({call.a, call.b, call.c, call.d});
    }
    if (!check.image) {
      EXPECT_TRUE(rects.empty());
      EXPECT_FALSE(check.refusal.empty());
      continue;
    }
    ASSERT_GE(rects.size(), 2u);
    EXPECT_EQ(rects[0].width, check.image->width);
    EXPECT_EQ(rects[0].height, check.image->height);
    for (const Rect& bar : rects) {
      EXPECT_TRUE(bar.x >= 0 && bar.x + bar.width <= rects[0].width && bar.y >= 0 &&
                  bar.y + bar.height <= rects[0].height);
    }
  }
}

// A tracking code's second digit 5-9 fits the lengths but not the encoder: the
// check refuses it with its reason, and no file is written.
TEST(PostalDataCheck, SecondTrackingDigitAbove4IsRefused) {
  const std::string dir = test::TempDir();
  for (const std::string action : {"svgf", "epsf", "pngf"}) {
    const std::string path = dir + "/refused." + action.substr(0, 3);
    const test::ProcessResult run =
        test::RunKbc({"-type", "USPS4CB", "-data", "0712345678901234567801234", "-action", action, "-output", path});
    EXPECT_EQ(run.status, 1) << action;
    EXPECT_NE(run.err.find("second digit of a USPS4CB tracking code must be 0 to 4 (got 7)"), std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(path)) << action;
  }
}

}  // namespace
}  // namespace kbc
