// Code 128, GS1-128, EAN-8, UPC-E, the book numbers and the coupons as EPS,
// SVG and PNG files: golden files checked by hand, and reads by independent decoders.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/decoders.h"
#include "support/output_files.h"

namespace kbc {
namespace {

// Checked by hand: image size, each bar rectangle, each text item with its
// group's font size, and the SVG y flip.
const test::GoldenCase kGoldenCases[] = {
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

TEST(LinearGoldenFiles, EpsAndSvgMatchTheReviewedFiles) { test::ExpectGoldenFiles(kGoldenCases); }

struct ReadCase {
  const char* type;
  const char* data;
  const char* addon;
  std::vector<std::string> zxing;  // "format identifier text" of each symbol that must be found
  std::vector<std::string> zbar;   // every symbol zbarimg reports, sorted; it misses UPC-E of number system 1
};

const ReadCase kReadCases[] = {
    {"Code-128", "ABC123", "", {"Code128 ]C0 ABC123"}, {"CODE-128:ABC123"}},                       // set A
    {"Code-128", "Hello, world!", "", {"Code128 ]C0 Hello, world!"}, {"CODE-128:Hello, world!"}},  // set B
    {"Code-128", "123456", "", {"Code128 ]C0 123456"}, {"CODE-128:123456"}},                       // set C
    {"EAN-128", "10AB12", "", {"Code128 ]C1 10AB12"}, {"CODE-128:10AB12"}},
    {"EAN-14", "123456789012345", "", {"Code128 ]C1 0112345678901234"}, {"CODE-128:0112345678901234"}},  // cut to 14
    {"EAN-18", "12345678901234567", "", {"Code128 ]C1 00012345678901234567"}, {"CODE-128:00012345678901234567"}},
    {"EAN-8", "9638507", "", {"EAN-8 ]E4 96385074"}, {"EAN-8:96385074"}},
    {"EAN-Velocity", "123456", "", {"EAN-8 ]E4 01234565"}, {"EAN-8:01234565"}},
    {"UPC-E", "0425261", "", {"UPC-E ]E0 04252614"}, {"UPC-E:04252614"}},
    {"UPC-E", "1425261", "", {"UPC-E ]E0 14252611"}, {}},
    {"ISBN", "978030640615799", "", {"EAN-13 ]E0 9780306406157"}, {"ISBN-13:9780306406157"}},  // mended
    {"ISBN", "9780306406157", "51299", {"EAN-13 ]E0 9780306406157"}, {"COMPOSITE:978030640615751299"}},
    {"ISSN", "0317847X", "", {"EAN-13 ]E0 9770317847001"}, {"EAN-13:9770317847001"}},
    {"ISMN", "M230671187", "", {"EAN-13 ]E0 9790230671187"}, {"ISBN-13:9790230671187"}},
    {"EAN-99", "1234567890", "", {"EAN-13 ]E0 9912345678909"}, {"EAN-13:9912345678909"}},
    {"EAN-Coupon", "1234567890", "", {"EAN-13 ]E0 9812345678902"}, {"EAN-13:9812345678902"}},
    {"UPC-Coupon", "51234567890", "8110", {"UPC-A ]E0 512345678900", "Code128 ]C1 8110"},
     {"CODE-128:8110", "UPC-A:512345678900"}},
};

TEST(LinearDecoderRoundTrip, SvgEpsAndPngReadBack) {
  for (const ReadCase& c : kReadCases) {
    for (const std::string action : {"svgf", "epsf", "pngf"}) {
      SCOPED_TRACE(std::string(c.type) + " " + c.data + " " + action);
      const std::string png = test::WriteAndRasterise({"-type", c.type, "-data", c.data, "-addon", c.addon}, action);
      const auto zxing = test::ZxingRead(png);
      std::vector<std::string> found;
      for (const auto& d : zxing) found.push_back(d.format + " " + d.identifier + " " + d.text);
      for (const std::string& expected : c.zxing) {
        EXPECT_NE(std::ranges::find(found, expected), found.end()) << expected << " in " << test::Describe(zxing);
      }
      EXPECT_EQ(test::ZbarSorted(png), c.zbar);
    }
  }
}

}  // namespace
}  // namespace kbc
