// Bitmaps at a print resolution: sizes, the resolution each file records,
// and the pixel ceiling.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/raw_pixels.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc::test {
namespace {

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

}  // namespace
}  // namespace kbc::test
