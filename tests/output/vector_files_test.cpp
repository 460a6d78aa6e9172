// EPS and SVG files from the command line: golden files checked by hand and
// reads by independent decoders.
#include <gtest/gtest.h>

#include <sys/xattr.h>

#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

using test::kFixedDate;
using test::RunKbc;
using test::TempDir;
using test::WithOutput;

const test::GoldenCase kGoldenCases[] = {
    {"ean13_plain", {"-type", "EAN-13", "-data", "590123412345"}},
    {"ean13_addon2_scale150", {"-type", "EAN-13", "-data", "590123412345", "-addon", "5", "-scale", "150"}},
    {"ean13_addon5_trim25_opaque", {"-data", "590123412345", "-addon", "12345", "-trim", "25", "-coltrans", "1"}},
    {"ean13_rgb_not_black_opaque",
     {"-data", "123456789012", "-fcolcomponent1", "0.02", "-bcolcomponent1", "0.9", "-coltrans", "1"}},
    {"ean13_cmyk_colours",
     {"-data", "123456789012", "-colmode", "2", "-fcolcomponent1", "0.1", "-fcolcomponent2", "0.2",
      "-fcolcomponent3", "0.3", "-fcolcomponent4", "0.5", "-fcolcomponent5", "1", "-bcolcomponent1", "0",
      "-bcolcomponent2", "0", "-bcolcomponent3", "0.05", "-bcolcomponent4", "0", "-bcolcomponent5", "1",
      "-coltrans", "1"}},
    {"upca_plain", {"-type", "UPC-A", "-data", "03600029145"}},
    {"upca_addon5_cmyk_black_on_white",
     {"-type", "UPC-A", "-data", "03600029145", "-addon", "54495", "-colmode", "2", "-fcolcomponent4", "0.995",
      "-fcolcomponent5", "1", "-bcolcomponent1", "0.005", "-bcolcomponent2", "0", "-bcolcomponent3", "0",
      "-bcolcomponent4", "0", "-bcolcomponent5", "1", "-coltrans", "1"}},
    {"upca_addon2_grey_snapped",
     {"-type", "UPC-A", "-data", "03600029145", "-addon", "12", "-colmode", "0", "-fcolcomponent1", "0.005",
      "-fcolcomponent2", "1", "-bcolcomponent1", "0.995", "-bcolcomponent2", "1", "-coltrans", "1", "-fontsize",
      "12"}},
    // Turned inside the scale and outside the margin: the page is 150 % of 58 × 65 units.
    {"code93_rotate90_margin5_opaque",
     {"-type", "Code-93", "-data", "a", "-rotate", "90", "-margin", "5", "-coltrans", "1", "-scale", "150"}},
    // The GS1 line centred under the symbol, each AI in parentheses; in QR Code asked for with -showtext 1.
    {"gs1_128_centred_text", {"-type", "EAN-128", "-gs1", "1", "-data", "(01)09501101530003(10)ABC123"}},
    {"gs1_databar_expanded_text", {"-type", "Databar-Expanded", "-gs1", "1", "-data", "(01)09501101530003(10)AB"}},
    {"gs1_qr_showtext", {"-type", "QRCode", "-gs1", "1", "-data", "(01)09501101530003", "-showtext", "1"}},
};

TEST(GoldenFiles, EpsAndSvgMatchTheReviewedFiles) { test::ExpectGoldenFiles(kGoldenCases); }

struct ReadCase {
  std::vector<std::string> args;
  std::string zxingText;
  std::vector<std::string> zbar;  // every symbol zbarimg reports, sorted (symbol and add-on as one)
};

TEST(DecoderRoundTrip, EanAndUpcFromSvgAndEps) {
  const ReadCase cases[] = {
      {{"-type", "EAN-13", "-data", "1234567890123"}, "1234567890128", {"EAN-13:1234567890128"}},
      {{"-type", "EAN-13", "-data", "590123412345", "-addon", "12"}, "5901234123457",
       {"COMPOSITE:590123412345712"}},
      {{"-type", "EAN-13", "-data", "590123412345", "-addon", "54495", "-scale", "150"}, "5901234123457",
       {"COMPOSITE:590123412345754495"}},
      {{"-type", "UPC-A", "-data", "03600029145", "-trim", "25"}, "036000291452", {"UPC-A:036000291452"}},
      {{"-type", "UPC-A", "-data", "03600029145", "-addon", "5"}, "036000291452", {"COMPOSITE:03600029145205"}},
  };
  for (const ReadCase& c : cases) {
    for (const std::string action : {"svgf", "epsf"}) {
      SCOPED_TRACE(c.zxingText + " " + action);
      const std::string png = test::WriteAndRasterise(c.args, action);
      const auto zxing = test::ZxingRead(png);
      ASSERT_FALSE(zxing.empty());
      EXPECT_EQ(zxing[0].text, c.zxingText) << test::Describe(zxing);
      EXPECT_EQ(test::ZbarSorted(png), c.zbar);
    }
  }
}

// The header lines are in the golden files; the Finder codes are not.
TEST(VectorFiles, EpsCarriesItsFileCodes) {
  const std::string path = TempDir() + "/meta.eps";
  ASSERT_EQ(RunKbc(WithOutput({"-data", "5901234123457"}, "epsf", path), kFixedDate).status, 0);
  char info[32] = {};
  ASSERT_EQ(getxattr(path.c_str(), "user.com.apple.FinderInfo", info, sizeof info), 32);
  EXPECT_EQ(std::string(info, 8), "EPSFQZTX");
}

}  // namespace
}  // namespace kbc
