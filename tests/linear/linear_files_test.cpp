// Code 128, GS1-128, EAN-8, UPC-E, the book numbers and the coupons as EPS,
// SVG and PNG files: golden files checked by hand, and reads by independent decoders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "support/decoders.h"
#include "support/process.h"

namespace kbc {
namespace {

using test::ReadFile;
using test::RunKbc;
using test::TempDir;

const std::vector<std::string> kFixedDate = {"SOURCE_DATE_EPOCH=1796584560"};

std::vector<std::string> WithOutput(std::vector<std::string> args, const std::string& action, const std::string& path) {
  args.insert(args.end(), {"-action", action, "-output", path});
  return args;
}

struct GoldenCase {
  std::string name;
  std::vector<std::string> args;
};

// Every file was compared before it was committed with the layout rules worked
// out again independently: image size, each bar rectangle, each text item with
// its group's font size, and the SVG y flip. KBC_REGENERATE_GOLDEN=1 rewrites
// them; review the diff.
const GoldenCase kGoldenCases[] = {
    {"code128_setc_123456", {"-type", "Code-128", "-data", "123456"}},  // check 44, W 88, small digits
    {"code128_setb_Abc", {"-type", "Code-128", "-data", "Abc"}},
    {"ean128_seta_10AB", {"-type", "EAN-128", "-data", "10AB"}},
    {"ean14_trim50", {"-type", "EAN-14", "-data", "1234567890123", "-trim", "50"}},  // H 50, "(01) " text
    {"ean18_padded", {"-type", "EAN-18", "-data", "12345678901234567"}},
    {"ean8_9638507", {"-type", "EAN-8", "-data", "9638507"}},
    {"upce_0425261", {"-type", "UPC-E", "-data", "0425261"}},  // small N and check digit
    {"isbn_old_line90", {"-type", "ISBN", "-data", "0306406152"}},
    {"isbn_13_line80", {"-type", "ISBN", "-data", "9780306406157"}},
    {"isbn_13_addon5_line90", {"-type", "ISBN", "-data", "9780306406157", "-addon", "51299"}},
    {"issn_trim50", {"-type", "ISSN", "-data", "0317847X", "-trim", "50"}},  // H 40, bars to 25, line at 29
    {"ismn_old", {"-type", "ISMN", "-data", "M230671187"}},
    {"ean99_1234567890", {"-type", "EAN-99", "-data", "1234567890"}},
    {"eancoupon_1234567890", {"-type", "EAN-Coupon", "-data", "1234567890"}},
    {"upccoupon_setc_8110", {"-type", "UPC-Coupon", "-data", "51234567890", "-addon", "8110"}},    // W 211
    {"upccoupon_setb_12345", {"-type", "UPC-Coupon", "-data", "51234567890", "-addon", "12345"}},  // W 244
};

TEST(LinearGoldenFiles, EpsAndSvgMatchTheReviewedFiles) {
  const bool regenerate = std::getenv("KBC_REGENERATE_GOLDEN") != nullptr;
  for (const GoldenCase& golden : kGoldenCases) {
    for (const auto& [action, extension] : {std::pair{"epsf", ".eps"}, std::pair{"svgf", ".svg"}}) {
      const std::string file = golden.name + extension;
      const std::string path = TempDir() + "/" + file;
      const test::ProcessResult run = RunKbc(WithOutput(golden.args, action, path), kFixedDate);
      ASSERT_EQ(run.status, 0) << file << ": " << run.err;
      const std::string expectedPath = std::string(KBC_GOLDEN_DIR) + "/" + file;
      if (regenerate) std::ofstream(expectedPath, std::ios::binary) << ReadFile(path);
      EXPECT_EQ(ReadFile(path), ReadFile(expectedPath)) << file;
    }
  }
}

struct ReadCase {
  const char* type;
  const char* data;
  const char* addon;
  std::vector<std::string> zxing;  // "format identifier text" of each symbol that must be found
  std::vector<std::string> zbar;   // "TYPE:data" of every symbol zbarimg reports
};

// ZXingReader reports the symbology identifier, so GS1-128 shows its FNC1 as ]C1.
// zbarimg does not read UPC-E of number system 1.
const ReadCase kReadCases[] = {
    {"Code-128", "ABC123", "", {"Code128 ]C0 ABC123"}, {"CODE-128:ABC123"}},                       // set A
    {"Code-128", "Hello, world!", "", {"Code128 ]C0 Hello, world!"}, {"CODE-128:Hello, world!"}},  // set B
    {"Code-128", "123456", "", {"Code128 ]C0 123456"}, {"CODE-128:123456"}},                       // set C
    {"EAN-128", "0101234567890128", "", {"Code128 ]C1 0101234567890128"}, {"CODE-128:0101234567890128"}},
    {"EAN-128", "10AB12", "", {"Code128 ]C1 10AB12"}, {"CODE-128:10AB12"}},
    {"EAN-14", "1234567890123", "", {"Code128 ]C1 0101234567890123"}, {"CODE-128:0101234567890123"}},
    {"EAN-18", "12345678901234567", "", {"Code128 ]C1 00012345678901234567"}, {"CODE-128:00012345678901234567"}},
    {"EAN-8", "9638507", "", {"EAN-8 ]E4 96385074"}, {"EAN-8:96385074"}},
    {"EAN-Velocity", "123456", "", {"EAN-8 ]E4 01234565"}, {"EAN-8:01234565"}},
    {"UPC-E", "0425261", "", {"UPC-E ]E0 04252614"}, {"UPC-E:04252614"}},
    {"UPC-E", "1425261", "", {"UPC-E ]E0 14252611"}, {}},
    {"ISBN", "030640615X", "", {"EAN-13 ]E0 9780306406157"}, {"ISBN-13:9780306406157"}},
    {"ISBN", "978030640615799", "", {"EAN-13 ]E0 9780306406157"}, {"ISBN-13:9780306406157"}},  // mended
    {"ISBN", "9780306406157", "51299", {"EAN-13 ]E0 9780306406157"}, {"COMPOSITE:978030640615751299"}},
    {"ISSN", "0317847X", "", {"EAN-13 ]E0 9770317847001"}, {"EAN-13:9770317847001"}},
    {"ISMN", "M230671187", "", {"EAN-13 ]E0 9790230671187"}, {"ISBN-13:9790230671187"}},
    {"ISMN", "9790230671187", "", {"EAN-13 ]E0 9790230671187"}, {"ISBN-13:9790230671187"}},  // mended
    {"EAN-99", "1234567890", "", {"EAN-13 ]E0 9912345678909"}, {"EAN-13:9912345678909"}},
    {"EAN-Coupon", "1234567890", "", {"EAN-13 ]E0 9812345678902"}, {"EAN-13:9812345678902"}},
    {"UPC-Coupon",
     "51234567890",
     "8110",
     {"UPC-A ]E0 512345678900", "Code128 ]C1 8110"},
     {"UPC-A:512345678900", "CODE-128:8110"}},
    {"UPC-Coupon",
     "51234567890",
     "12345",
     {"UPC-A ]E0 512345678900", "Code128 ]C1 12345"},
     {"UPC-A:512345678900", "CODE-128:12345"}},
};

TEST(LinearDecoderRoundTrip, SvgEpsAndPngReadBack) {
  for (const ReadCase& c : kReadCases) {
    const std::vector<std::string> args = {"-type", c.type, "-data", c.data, "-addon", c.addon};
    for (const auto& [action, extension] :
         {std::pair{"svgf", ".svg"}, std::pair{"epsf", ".eps"}, std::pair{"pngf", ".png"}}) {
      SCOPED_TRACE(std::string(c.type) + " " + c.data + " " + extension);
      const std::string path = TempDir() + "/read" + extension;
      ASSERT_EQ(RunKbc(WithOutput(args, action, path)).status, 0);
      std::string log;
      const std::string kind = extension;
      // Our bitmaps have one pixel per module: enlarged by pixel replication.
      const std::string png = kind == ".svg"   ? test::RasteriseSvg(path, &log)
                              : kind == ".eps" ? test::RasteriseEps(path, &log)
                                               : test::EnlargeBitmap(path, 400, &log);
      ASSERT_FALSE(png.empty()) << log;
      const auto zxing = test::ZxingRead(png);
      std::vector<std::string> found;
      for (const auto& d : zxing) found.push_back(d.format + " " + d.identifier + " " + d.text);
      for (const std::string& expected : c.zxing) {
        EXPECT_NE(std::ranges::find(found, expected), found.end()) << expected << " in " << test::Describe(zxing);
      }
      std::vector<std::string> zbar;
      for (const auto& d : test::ZbarRead(png)) zbar.push_back(d.format + ":" + d.text);
      std::vector<std::string> expected = c.zbar;
      std::ranges::sort(zbar);
      std::ranges::sort(expected);
      EXPECT_EQ(zbar, expected);
    }
  }
}

}  // namespace
}  // namespace kbc
