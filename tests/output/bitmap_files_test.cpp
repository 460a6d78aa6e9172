// PNG, JPEG and TIFF files from the command line, read back by ImageMagick and
// by independent barcode decoders.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/decoders.h"
#include "support/process.h"
#include "support/raw_pixels.h"

namespace kbc::test {
namespace {

const std::vector<std::string> kEan13{"-type", "EAN-13", "-data", "590123412345"};

std::string Produce(const std::string& name, const std::string& action, std::vector<std::string> options) {
  const std::string path = TempDir() + "/" + name;
  std::vector<std::string> args = kEan13;
  args.insert(args.end(), {"-action", action, "-output", path});
  args.insert(args.end(), options.begin(), options.end());
  const ProcessResult run = RunKbc(args);
  EXPECT_EQ(run.status, 0) << name << ": " << run.err;
  return path;
}

// Antialiased modules 1.5 pixels wide have half-covered edge pixels; enlarging
// them by interpolation keeps each edge where it was, pixel replication would
// turn it into a flat grey band.
std::string EnlargeSmoothly(const std::string& path) {
  const std::string large = path + ".smooth.png";
  const ProcessResult run = RunProgram({"convert", path, "-filter", "Triangle", "-resize", "400%", "-bordercolor",
                                        "white", "-border", "40", large});
  return run.status == 0 ? large : std::string();
}

// How a bitmap is prepared for the decoders: 1-pixel modules are replicated;
// zbar reads aliased 1.5-pixel modules (1 and 2 pixels wide in turn) as drawn.
enum class Enlarge { Replicate, Interpolate, AsDrawn };

// Every bitmap kind and colour mode scans, read by both decoders.
TEST(BitmapFiles, DecodersReadEveryKindAndMode) {
  struct Row {
    const char* name;
    const char* action;
    std::vector<std::string> options;
    Enlarge enlarge;
  };
  const Row rows[] = {
      {"rgb.png", "pngf", {}, Enlarge::Replicate},
      {"grey.png", "pngf", {"-colmode", "0", "-fcolcomponent1", "0", "-fcolcomponent2", "1"}, Enlarge::Replicate},
      {"cmyk.jpg", "jpeg", {"-colmode", "2", "-fcolcomponent4", "1", "-fcolcomponent5", "1"}, Enlarge::Replicate},
      {"scale150.jpg", "jpeg", {"-scale", "150"}, Enlarge::Interpolate},
      {"scale150.png", "pngf", {"-scale", "150"}, Enlarge::Interpolate},
      {"rgb.tif", "tiff", {}, Enlarge::Replicate},
      {"grey.tif", "tiff", {"-colmode", "0", "-fcolcomponent1", "0", "-fcolcomponent2", "1"}, Enlarge::Replicate},
      {"cmyk.tif", "tiff", {"-colmode", "2", "-fcolcomponent4", "1", "-fcolcomponent5", "1"}, Enlarge::Replicate},
      {"aliased.png", "pngf", {"-scale", "150", "-antialiasoff", "1"}, Enlarge::AsDrawn},
  };
  for (const Row& row : rows) {
    std::string log;
    const std::string path = Produce(row.name, row.action, row.options);
    const std::string large = row.enlarge == Enlarge::Replicate     ? EnlargeBitmap(path, 400, &log)
                              : row.enlarge == Enlarge::Interpolate ? EnlargeSmoothly(path)
                                                                    : path;
    ASSERT_FALSE(large.empty()) << row.name << ": " << log;
    const auto zxing = ZxingRead(large);
    const auto zbar = ZbarRead(large);
    ASSERT_EQ(zxing.size(), 1u) << row.name << ": " << Describe(zxing);
    EXPECT_EQ(zxing[0].text, "5901234123457") << row.name;
    ASSERT_EQ(zbar.size(), 1u) << row.name << ": " << Describe(zbar);
    EXPECT_EQ(zbar[0].text, "5901234123457") << row.name;
  }
}

// One pixel per point, the scaled size truncated (113 × 1.5 = 169.5 gives 169);
// 8-bit RGB PNG without alpha, JPEG at quality 100 without chroma subsampling,
// deflated TIFF in the record's own colour model.
TEST(BitmapFiles, SizesAndFormats) {
  struct Row {
    const char* name;
    const char* action;
    std::vector<std::string> options;
    const char* format;
    std::string expected;
  };
  const std::string png = "%w %h %[channels] %z";
  const std::string tiff = "%w %h %[channels] %C %[tiff:photometric]";
  const Row rows[] = {
      {"s100.png", "pngf", {}, png.c_str(), "113 80 srgb 8"},
      {"s150.png", "pngf", {"-scale", "150"}, png.c_str(), "169 120 srgb 8"},
      {"s100.jpg", "jpeg", {}, "%w %h %Q %[jpeg:sampling-factor]", "113 80 100 1x1,1x1,1x1"},
      {"rgb.tif", "tiff", {"-scale", "150"}, tiff.c_str(), "169 120 srgb Zip RGB"},
      {"grey.tif", "tiff", {"-colmode", "0"}, tiff.c_str(), "113 80 gray Zip min-is-black"},
      {"cmyk.tif", "tiff", {"-colmode", "2"}, tiff.c_str(), "113 80 cmyk Zip separated"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Identify(Produce(row.name, row.action, row.options), row.format), row.expected) << row.name;
  }
}

// The components given for a CMYK TIFF are the ink values stored, byte for byte:
// 0.2, 0.4, 0.6, 0.8 are 51, 102, 153, 204, and the untouched paper is no ink.
TEST(BitmapFiles, CmykTiffKeepsExactComponents) {
  const std::string path = Produce("exact.tif", "tiff",
                                   {"-colmode", "2", "-fcolcomponent1", "0.2", "-fcolcomponent2", "0.4",
                                    "-fcolcomponent3", "0.6", "-fcolcomponent4", "0.8", "-fcolcomponent5", "1",
                                    "-antialiasoff", "1"});
  const RawImage image = ReadPixels(path, "cmyk");
  ASSERT_EQ(image.width, 113);
  EXPECT_EQ(image.At(11, 0), (std::vector<int>{51, 102, 153, 204})) << "first guard bar at x 11";
  EXPECT_EQ(image.At(12, 0), (std::vector<int>{0, 0, 0, 0})) << "space after it";
  EXPECT_EQ(image.Distinct().size(), 2u);
}

// Antialiasing off leaves the two colours only, bars and glyphs alike, even where
// scale 150 puts bar edges on half pixels; on, the edges are blended.
TEST(BitmapFiles, AntialiasingOffLeavesTwoColours) {
  const RawImage off = ReadPixels(Produce("off.png", "pngf", {"-scale", "150", "-antialiasoff", "1"}), "rgb");
  EXPECT_EQ(off.Distinct(), (std::set<std::vector<int>>{{0, 0, 0}, {255, 255, 255}}));
  const RawImage on = ReadPixels(Produce("on.png", "pngf", {"-scale", "150"}), "rgb");
  EXPECT_GT(on.Distinct().size(), 2u);
}

// Grey 0 is black everywhere: the RGB conversion for PNG and JPEG keeps it black
// on white, as EPS, SVG and TIFF draw it.
TEST(BitmapFiles, GreyModeStaysBlackOnWhite) {
  const std::vector<std::string> grey{"-colmode", "0", "-fcolcomponent1", "0", "-fcolcomponent2", "1",
                                      "-bcolcomponent1", "1", "-bcolcomponent2", "1", "-coltrans", "1"};
  for (const auto& [name, action] : {std::pair{"grey.png", "pngf"}, {"grey.jpg", "jpeg"}, {"grey2.tif", "tiff"}}) {
    const RawImage image = ReadPixels(Produce(name, action, grey), "gray");
    ASSERT_EQ(image.width, 113) << name;
    EXPECT_LE(image.At(11, 0)[0], 8) << name << ": bar";
    EXPECT_GE(image.At(10, 0)[0], 247) << name << ": quiet zone";
  }
}

// Data that cannot be drawn gives no bitmap at all, a reason and exit status 1.
TEST(BitmapFiles, UndrawableDataWritesNothing) {
  for (const char* action : {"pngf", "jpeg", "tiff"}) {
    const std::string path = TempDir() + "/none." + action;
    const ProcessResult run = RunKbc({"-type", "EAN-13", "-data", "ABC", "-action", action, "-output", path});
    EXPECT_EQ(run.status, 1) << action;
    EXPECT_NE(run.err.find("cannot be drawn"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path)) << action;
  }
}

// A directory that cannot be written: the message names the path and the reason.
TEST(BitmapFiles, UnwritablePathIsReported) {
  const std::string path = TempDir() + "/missing/dir/code.png";
  const ProcessResult run = RunKbc({"-type", "EAN-13", "-data", "1", "-action", "pngf", "-output", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace kbc::test
