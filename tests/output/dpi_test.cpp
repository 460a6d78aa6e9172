// Bitmaps at a print resolution: sizes, the resolution each file records,
// and scannability at label-printer resolutions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"
#include "support/raw_pixels.h"

namespace kbc::test {
namespace {

using Args = std::vector<std::string>;

// The pHYs chunk's pixels per metre (x) and unit, or "none"; read from the file's bytes.
std::string PngResolution(const std::string& path) {
  const std::string png = ReadFile(path);
  const std::size_t at = png.find("pHYs");
  if (at == std::string::npos || at + 13 > png.size()) return "none";
  std::uint32_t perMetre = 0;
  for (int i = 0; i < 4; ++i) perMetre = perMetre << 8 | std::uint8_t(png[at + 4 + i]);
  return std::to_string(perMetre) + " unit " + std::to_string(int(png[at + 12]));
}

// 300 dpi: a one-point module is 4.17 dots, drawn at 4, so 113 × 80 units
// make 452 × 320 pixels; every file records the resolution; without -dpi
// nothing is recorded.
TEST(Dpi, SizeAndRecordedResolution) {
  EXPECT_EQ(Identify(WriteSymbol("e.png", "pngf", {"-dpi", "300"}), "%w %h"), "452 320");
  EXPECT_EQ(PngResolution(TempDir() + "/e.png"), "11811 unit 1");
  EXPECT_EQ(PngResolution(WriteSymbol("plain.png", "pngf", {})), "none");
  EXPECT_EQ(Identify(WriteSymbol("e.jpg", "jpeg", {"-dpi", "300"}), "%w %h %x %y %U"), "452 320 300 300 PixelsPerInch");
  EXPECT_EQ(Identify(WriteSymbol("e.tif", "tiff", {"-dpi", "300"}), "%w %h %x %y %U"), "452 320 300 300 PixelsPerInch");
  // Out-of-range values clamp to 72..2400; 72 is one pixel per point, recorded.
  EXPECT_EQ(Identify(WriteSymbol("low.png", "pngf", {"-dpi", "10"}), "%w %h"), "113 80");
  EXPECT_EQ(PngResolution(TempDir() + "/low.png"), "2835 unit 1");
  // 2400 dpi at scale 50: 16.67 dots a module, drawn at 17.
  EXPECT_EQ(Identify(WriteSymbol("high.png", "pngf", {"-dpi", "9999", "-scale", "50"}), "%w %h"), "1921 1360");
}

// Beyond the pixel ceiling nothing is written, and the message names the
// largest resolution that fits.
TEST(Dpi, CeilingNamesTheLargestFittingResolution) {
  const std::string path = TempDir() + "/huge.png";
  const ProcessResult run = RunKbc({"-type", "QRCode", "-data", std::string(2000, '7'), "-dpi", "2400", "-action",
                                    "pngf", "-output", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("-dpi 1872 would fit"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(path));
}

struct Scannable {
  Args symbol;
  std::string text;  // what the decoders report
  bool zbar;         // whether zbarimg reads the symbology
  // zbarimg misses UPC-A and UPC-E drawn at one pixel per module.
  double zbarMinimumPixels = 1;
};

// gtest names a case by its symbology instead of dumping the record's bytes.
void PrintTo(const Scannable& symbol, std::ostream* out) { *out << symbol.symbol[1] << " " << symbol.symbol[3]; }

const Scannable kSymbols[] = {
    {{"-type", "EAN-13", "-data", "590123412345"}, "5901234123457", true},
    {{"-type", "EAN-8", "-data", "9638507"}, "96385074", true},
    {{"-type", "UPC-A", "-data", "03600029145"}, "036000291452", true, 2},
    {{"-type", "UPC-E", "-data", "0425261"}, "04252614", true, 2},
    {{"-type", "Code-128", "-data", "Label 42"}, "Label 42", true},
    {{"-type", "QRCode", "-data", "https://example.com/label"}, "https://example.com/label", true},
    {{"-type", "MicroQR", "-data", "12345"}, "12345", false},
    {{"-type", "Code-39", "-data", "LABEL-42"}, "LABEL-42", true},
    {{"-type", "Interleaved-25", "-data", "12345678"}, "12345678", true},
    {{"-type", "DataMatrix", "-data", "Lot 7/42"}, "Lot 7/42", false},
    {{"-type", "PDF417", "-data", "Lot 7/42"}, "Lot 7/42", false},
};

class DpiScans : public testing::TestWithParam<Scannable> {};

// Label-printer resolutions at every scale, antialiased and not: each decoder
// that reads the symbology reads the symbol from the bitmap as written (only a
// white border added). A module is drawn at the nearest whole number of dots.
TEST_P(DpiScans, AtLabelPrinterResolutions) {
  const Scannable& symbol = GetParam();
  for (const char* dpi : {"203", "300", "600"}) {
    for (const char* scale : {"50", "75", "100", "125", "150"}) {
      for (const char* aliased : {"0", "1"}) {
        const std::string where = std::string(dpi) + " dpi, scale " + scale + ", antialiasoff " + aliased;
        const std::string path =
            WriteSymbol("scan.png", "pngf", {"-dpi", dpi, "-scale", scale, "-antialiasoff", aliased}, symbol.symbol);
        std::string log;
        const std::string bordered = EnlargeBitmap(path, 100, &log);
        const auto zxing = ZxingRead(bordered);
        ASSERT_EQ(zxing.size(), 1u) << where << ": " << Describe(zxing) << log;
        EXPECT_EQ(zxing[0].text, symbol.text) << where;
        const double modulePixels = std::max(1.0, std::round(std::stod(dpi) / 72 * std::stod(scale) / 100));
        if (!symbol.zbar || modulePixels < symbol.zbarMinimumPixels) continue;
        const auto zbar = ZbarRead(bordered);
        ASSERT_FALSE(zbar.empty()) << where;
        EXPECT_EQ(zbar[0].text, symbol.text) << where;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DrawnSymbologies, DpiScans, testing::ValuesIn(kSymbols),
                         [](const testing::TestParamInfo<Scannable>& info) {
                           std::string name = info.param.symbol[1];
                           std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                           return name;
                         });

}  // namespace
}  // namespace kbc::test
