// -rotate 0|90|180|270: every target holds the symbol turned clockwise, its
// sides swapped by a quarter turn, and it scans as the upright one does.
#include <gtest/gtest.h>

#include <cstdio>
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

struct Symbol {
  std::string name;
  std::vector<std::string> args;
  std::string text;  // as ZXingReader and zbarimg read it
};

void PrintTo(const Symbol& symbol, std::ostream* out) { *out << symbol.name; }

const Symbol kSymbols[] = {
    {"EAN13", {"-type", "EAN-13", "-data", "590123412345"}, "5901234123457"},
    {"QRCode", {"-type", "QRCode", "-data", "Lot 7"}, "Lot 7"},
};

// "w h" of a file as the rasterisers and identify report it, swapped when a quarter turn is odd.
std::string Swapped(const std::string& size, const std::string& degrees) {
  if (degrees == "180") return size;
  const std::size_t space = size.find(' ');
  return size.substr(space + 1) + ' ' + size.substr(0, space);
}

class Rotate : public testing::TestWithParam<Symbol> {};

// The documents, read by both decoders; a turned bitmap is compared with the
// upright one's pixels turned, below.
TEST_P(Rotate, EveryDocumentIsTurnedAndScans) {
  const Symbol& symbol = GetParam();
  for (const std::string action : {"svgf", "epsf", "pdff"}) {
    const std::vector<std::string> options = {"-scale", "150", "-margin", "4"};
    const std::string upright = Rasterise(WriteSymbol("upright." + action, action, options, symbol.args));
    for (const std::string degrees : {"90", "180", "270"}) {
      SCOPED_TRACE(action + " turned " + degrees);
      std::vector<std::string> turnedOptions = options;
      turnedOptions.insert(turnedOptions.end(), {"-rotate", degrees});
      const std::string image = Rasterise(WriteSymbol("turned." + action, action, turnedOptions, symbol.args));
      EXPECT_EQ(Identify(image, "%w %h"), Swapped(Identify(upright, "%w %h"), degrees));
      for (const auto& read : {ZxingRead(image), ZbarRead(image)}) {
        ASSERT_EQ(read.size(), 1u) << Describe(read);
        EXPECT_EQ(read[0].text, symbol.text);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Symbols, Rotate, testing::ValuesIn(kSymbols),
                         [](const testing::TestParamInfo<Symbol>& info) { return info.param.name; });

// A turned bitmap holds exactly the upright one's pixels, as ImageMagick turns
// them: antialiased text and edges, -dpi and colours included.
TEST(Rotate, BitmapPixelsAreTheUprightOnesTurned) {
  const std::vector<std::vector<std::string>> requests = {
      {"-type", "EAN-13", "-data", "590123412345", "-addon", "12", "-scale", "130"},
      {"-type", "Databar-Stacked", "-data", "0123456789012", "-dpi", "150", "-margin", "3"},
      {"-type", "QRCode", "-data", "Lot 7", "-fcolcomponent1", "0.8", "-colmode", "1", "-coltrans", "1"},
  };
  for (const auto& request : requests) {
    for (const std::string action : {"pngf", "tiff"}) {
      const std::string upright = WriteSymbol("upright." + action, action, {}, request);
      for (const std::string degrees : {"90", "180", "270"}) {
        const std::string turned = WriteSymbol("turned." + action, action, {"-rotate", degrees}, request);
        const std::string expected = TempDir() + "/expected-turn.png";
        ASSERT_EQ(RunProgram({"convert", upright, "-rotate", degrees, expected}).status, 0);
        EXPECT_EQ(ReadPixels(turned, "rgb").bytes, ReadPixels(expected, "rgb").bytes)
            << request[1] << " " << action << " turned " << degrees;
      }
    }
  }
}

// Only the four quarter turns are read; anything else is a usage error and
// writes nothing.
TEST(Rotate, OtherValuesAreRefused) {
  const std::string path = TempDir() + "/refused-turn.png";
  for (const std::string value : {"45", "360", "-90", "ninety", "90.5", ""}) {
    std::remove(path.c_str());
    const ProcessResult run =
        RunKbc(WithOutput({"-type", "EAN-13", "-data", "590123412345", "-rotate", value}, "pngf", path));
    EXPECT_EQ(run.status, 2) << value;
    EXPECT_EQ(run.err, "KestrovaBarCode: -rotate " + value +
                           " is no quarter turn: give 0, 90, 180 or 270 (degrees clockwise)\n")
        << value;
    EXPECT_FALSE(std::filesystem::exists(path)) << value;
  }
  // A later value replaces a refused one, as for every option.
  EXPECT_EQ(RunKbc(WithOutput({"-type", "EAN-13", "-data", "5", "-rotate", "45", "-rotate", "0"}, "pngf", path)).status,
            0);
}

}  // namespace
}  // namespace kbc::test
