// PNG, JPEG and TIFF files from the command line, read back by ImageMagick and
// by independent barcode decoders.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"
#include "support/raw_pixels.h"

namespace kbc::test {
namespace {

using Args = std::vector<std::string>;
const Args kGrey{"-colmode", "0", "-fcolcomponent1", "0", "-fcolcomponent2", "1"};
const Args kCmyk{"-colmode", "2", "-fcolcomponent4", "1", "-fcolcomponent5", "1"};

// Every bitmap kind and colour mode scans, read by both decoders, and has the
// expected size and format: one pixel per point, the scaled size truncated
// (113 × 1.5 = 169.5 gives 169); 8-bit RGB PNG without alpha, JPEG at quality 100
// without chroma subsampling, deflated TIFF in the record's own colour model.
// For the decoders 1-pixel modules are replicated; antialiased 1.5-pixel modules
// are enlarged by interpolation, which keeps each half-covered edge where it was;
// zbar reads aliased 1.5-pixel modules (1 and 2 pixels wide in turn) as drawn.
TEST(BitmapFiles, DecodersReadEveryKindAndMode) {
  enum Enlarge { kReplicate, kInterpolate, kAsDrawn };
  const std::map<std::string, std::string> format{{"pngf", "%w %h %[channels] %z"},
                                                  {"jpeg", "%w %h %Q %[jpeg:sampling-factor]"},
                                                  {"tiff", "%w %h %[channels] %C %[tiff:photometric]"}};
  const std::tuple<const char*, const char*, Args, Enlarge, const char*> rows[] = {
      {"rgb.png", "pngf", {}, kReplicate, "113 80 srgb 8"},
      {"grey.png", "pngf", kGrey, kReplicate, "113 80 srgb 8"},
      {"cmyk.jpg", "jpeg", kCmyk, kReplicate, "113 80 100 1x1,1x1,1x1"},
      {"scale150.jpg", "jpeg", {"-scale", "150"}, kInterpolate, "169 120 100 1x1,1x1,1x1"},
      {"scale150.png", "pngf", {"-scale", "150"}, kInterpolate, "169 120 srgb 8"},
      {"rgb.tif", "tiff", {}, kReplicate, "113 80 srgb Zip RGB"},
      {"grey.tif", "tiff", kGrey, kReplicate, "113 80 gray Zip min-is-black"},
      {"cmyk.tif", "tiff", kCmyk, kReplicate, "113 80 cmyk Zip separated"},
      {"aliased.png", "pngf", {"-scale", "150", "-antialiasoff", "1"}, kAsDrawn, "169 120 srgb 8"},
  };
  for (const auto& [name, action, options, enlarge, identified] : rows) {
    std::string log;
    const std::string path = WriteSymbol(name, action, options);
    EXPECT_EQ(Identify(path, format.at(action)), identified) << name;
    std::string large = enlarge == kReplicate ? EnlargeBitmap(path, 400, &log) : path;
    if (enlarge == kInterpolate) {
      large = path + ".smooth.png";
      log = RunProgram({"convert", path, "-filter", "Triangle", "-resize", "400%", "-bordercolor", "white",
                        "-border", "40", large}).err;
    }
    for (const auto& results : {ZxingRead(large), ZbarRead(large)}) {
      ASSERT_EQ(results.size(), 1u) << name << ": " << Describe(results) << log;
      EXPECT_EQ(results[0].text, "5901234123457") << name;
    }
  }
}

// Pixel values read back: CMYK TIFF ink values byte for byte (0.2, 0.4, 0.6, 0.8
// are 51, 102, 153, 204; paper is no ink); antialiasing off leaves two colours
// even where scale 150 puts bar edges on half pixels, on blends them.
TEST(BitmapFiles, PixelValues) {
  const Args exact{"-colmode", "2", "-fcolcomponent1", "0.2", "-fcolcomponent2", "0.4", "-fcolcomponent3", "0.6",
                   "-fcolcomponent4", "0.8", "-fcolcomponent5", "1", "-antialiasoff", "1"};
  const RawImage cmyk = ReadPixels(WriteSymbol("exact.tif", "tiff", exact), "cmyk");
  EXPECT_EQ(cmyk.Distinct(), (std::set<std::vector<int>>{{0, 0, 0, 0}, {51, 102, 153, 204}}));

  const RawImage off = ReadPixels(WriteSymbol("off.png", "pngf", {"-scale", "150", "-antialiasoff", "1"}), "rgb");
  EXPECT_EQ(off.Distinct(), (std::set<std::vector<int>>{{0, 0, 0}, {255, 255, 255}}));
  EXPECT_GT(ReadPixels(WriteSymbol("on.png", "pngf", {"-scale", "150"}), "rgb").Distinct().size(), 2u);
}

// TIFF is deflated by zlib at a quick level, PNG by our own rows: both
// decode to the same antialiased pixels, in colour and in grey.
TEST(BitmapFiles, TiffAndPngDecodeToTheSamePixels) {
  for (const auto& [name, options] : {std::pair{"same-rgb", Args{}}, std::pair{"same-grey", kGrey}}) {
    const RawImage tiff = ReadPixels(WriteSymbol(std::string(name) + ".tif", "tiff", options), "rgb");
    const RawImage png = ReadPixels(WriteSymbol(std::string(name) + ".png", "pngf", options), "rgb");
    EXPECT_GT(tiff.Distinct().size(), 2u) << name;
    EXPECT_EQ(tiff.bytes, png.bytes) << name;
  }
}

// Data that cannot be drawn, or a folder that does not exist: no file, the reason
// (with the path) and exit status 1.
TEST(BitmapFiles, FailuresWriteNothing) {
  const std::string missing = TempDir() + "/missing/dir/code.png";
  const std::tuple<const char*, std::string, std::string, std::string> rows[] = {
      {"tiff", "ABC", TempDir() + "/none.tif", "cannot be drawn"},
      {"pngf", "1", missing, missing + "\": No such file or directory"},
  };
  for (const auto& [action, data, path, message] : rows) {
    const ProcessResult run = RunKbc({"-type", "EAN-13", "-data", data, "-action", action, "-output", path});
    EXPECT_EQ(run.status, 1) << path;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path)) << path;
  }
}

}  // namespace
}  // namespace kbc::test
