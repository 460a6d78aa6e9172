// Sizes in real units on whole printer dots: every module edge on a pixel
// edge at label-printer resolutions, bar heights and width reduction in dots,
// and SVG sized in millimetres.
#include <gtest/gtest.h>

#include <cmath>
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

struct Labelled {
  Args symbol;
  std::string xdim;  // millimetres
  std::string text;  // what ZXingReader reports
  Args zxing = {};   // its options: stacked DataBar is read as a pure image
};

void PrintTo(const Labelled& label, std::ostream* out) { *out << label.symbol[1] << " at " << label.xdim << " mm"; }

const Labelled kLabels[] = {
    {{"-type", "EAN-13", "-data", "590123412345"}, "0.33", "5901234123457"},
    {{"-type", "UPC-E", "-data", "0425261"}, "0.33", "04252614"},
    {{"-type", "Code-128", "-data", "Label 42"}, "0.25", "Label 42"},
    {{"-type", "Code-39", "-data", "LABEL-42"}, "0.25", "LABEL-42"},
    {{"-type", "ITF-14", "-data", "15400141288763"}, "0.495", "15400141288763"},
    {{"-type", "QRCode", "-data", "https://example.com/label"}, "0.5", "https://example.com/label"},
    {{"-type", "DataMatrix", "-data", "Lot 7/42"}, "0.254", "Lot 7/42"},
    {{"-type", "MicroQR", "-data", "12345"}, "0.5", "12345"},
    {{"-type", "PDF417", "-data", "Lot 7/42"}, "0.33", "Lot 7/42"},
    {{"-type", "Databar-Expanded", "-data", "01988987654321063103001234"}, "0.33", "(01)98898765432106(3103)001234",
     {"-ispure"}},
};

// The lengths of the runs of one colour along a row, without the two that
// reach the image's edges.
std::vector<int> InnerRuns(const RawImage& image, int row) {
  std::vector<int> runs;
  for (int x = 0; x < image.width;) {
    int end = x;
    while (end < image.width && image.At(end, row) == image.At(x, row)) ++end;
    if (x > 0 && end < image.width) runs.push_back(end - x);
    x = end;
  }
  return runs;
}

class WholeDots : public testing::TestWithParam<Labelled> {};

// Without text the bitmap has two colours, every bar and space along every
// row is a whole number of modules of the drawn X in dots, a warning gives
// the X drawn where the one asked for is not whole, and the symbol reads.
TEST_P(WholeDots, EveryModuleEdgeOnAPixelEdge) {
  const Labelled& label = GetParam();
  for (const int dpi : {203, 300, 600}) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    const std::string path = TempDir() + "/dots.png";
    Args args = label.symbol;
    args.insert(args.end(), {"-xdim", label.xdim + "mm", "-dpi", std::to_string(dpi), "-showtext", "0"});
    const ProcessResult run = RunKbc(WithOutput(args, "pngf", path));
    ASSERT_EQ(run.status, 0) << run.err;
    const double asked = std::stod(label.xdim) / 25.4 * dpi;
    const int dots = std::max(1, int(std::lround(asked)));
    // Named where the width drawn differs from the one asked for to the micrometre.
    const bool same = std::abs(dots * 25.4 / dpi - std::stod(label.xdim)) < 0.0005;
    EXPECT_EQ(run.err.find("drawn at " + std::to_string(dots) + " dot") != std::string::npos, !same) << run.err;

    const RawImage image = ReadPixels(path, "gray");
    ASSERT_GT(image.width, 0);
    EXPECT_EQ(image.Distinct().size(), 2u);
    for (int row = 0; row < image.height; ++row) {
      for (const int run : InnerRuns(image, row)) ASSERT_EQ(run % dots, 0) << "row " << row << ": run of " << run;
    }
    const auto read = ZxingRead(EnlargeBitmap(path, 100), label.zxing);
    ASSERT_EQ(read.size(), 1u) << Describe(read);
    EXPECT_EQ(read[0].text, label.text);
  }
}

INSTANTIATE_TEST_SUITE_P(LabelSymbols, WholeDots, testing::ValuesIn(kLabels),
                         [](const testing::TestParamInfo<Labelled>& info) {
                           std::string name = info.param.symbol[1];
                           std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                           return name;
                         });

// The dark pixels of one column, and the widths of the dark runs of one row.
int DarkInColumn(const RawImage& image, int x) {
  int dark = 0;
  for (int row = 0; row < image.height; ++row) dark += image.At(x, row)[0] == 0 ? 1 : 0;
  return dark;
}

std::vector<int> DarkRuns(const RawImage& image, int row) {
  std::vector<int> runs;
  for (int x = 0; x < image.width;) {
    int end = x;
    while (end < image.width && image.At(end, row)[0] == image.At(x, row)[0]) ++end;
    if (image.At(x, row)[0] == 0) runs.push_back(end - x);
    x = end;
  }
  return runs;
}

// An SSCC label: bars of 31.75 mm are 254 dots at 203 dpi; one dot of bar
// width reduction narrows every bar by exactly one dot, and it still reads.
TEST(PrinterSizing, BarHeightAndWidthReductionInDots) {
  const Args sscc = {"-type", "EAN-128", "-gs1", "1", "-data", "(00)106141411234567897", "-xdim", "0.5mm",
                     "-height", "31.75mm", "-dpi", "203", "-showtext", "0"};
  const RawImage tall = ReadPixels(WriteSymbol("sscc.png", "pngf", {}, sscc), "gray");
  ASSERT_GT(tall.width, 0);
  int tallest = 0;
  for (int x = 0; x < tall.width; ++x) tallest = std::max(tallest, DarkInColumn(tall, x));
  EXPECT_NEAR(tallest, 254, 1);

  const Args ean = {"-type", "EAN-13", "-data", "590123412345", "-dpi", "203", "-showtext", "0"};
  Args reduced = ean;
  reduced.insert(reduced.end(), {"-bwr", "1dots"});
  const RawImage full = ReadPixels(WriteSymbol("full.png", "pngf", {}, ean), "gray");
  const std::string narrowPath = WriteSymbol("narrow.png", "pngf", {}, reduced);
  const RawImage narrow = ReadPixels(narrowPath, "gray");
  ASSERT_EQ(narrow.width, full.width);
  const std::vector<int> before = DarkRuns(full, full.height / 2);
  const std::vector<int> after = DarkRuns(narrow, narrow.height / 2);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i] - 1) << "bar " << i;
  const auto read = ZxingRead(EnlargeBitmap(narrowPath, 100));
  ASSERT_EQ(read.size(), 1u) << Describe(read);
  EXPECT_EQ(read[0].text, "5901234123457");
}

// The SVG states its size in millimetres: at 96 dpi an EAN-13 of 0.33 mm
// modules (113 modules with its quiet zones) is 37.29 mm, 141 pixels.
TEST(PrinterSizing, SvgShowsAtItsPrintedSize) {
  const std::string svg = WriteSymbol("real.svg", "svgf", {"-xdim", "0.33mm"});
  EXPECT_NE(ReadFile(svg).find("width=\"37.290mm\""), std::string::npos);
  const std::string png = TempDir() + "/real.png";
  ASSERT_EQ(RunProgram({"rsvg-convert", "--dpi-x", "96", "--dpi-y", "96", "-o", png, svg}).status, 0);
  const int width = std::stoi(Identify(png, "%w"));
  EXPECT_NEAR(width, 37.29 / 25.4 * 96, 1);
}

struct Refused {
  Args options;
  int status;
  std::string message;  // part of stderr
};

// Lengths in other units are refused naming the units taken; sizes outside
// GS1's for the symbol's use, and a height for square modules, warn.
TEST(PrinterSizing, UnitsRefusedAndSizesWarned) {
  const Refused rows[] = {
      {{"-xdim", "3cm"}, 2, "give a positive number followed by mm, in, mil, pt or dots"},
      {{"-height", "-2mm"}, 2, "-height -2mm is no length"},
      {{"-xdim", "0.25mm"}, 0, "EAN-13 X-dimension 0.25 mm is below GS1's 0.264 mm minimum for retail point of sale"},
      {{"-xdim", "30mil"}, 0, "EAN-13 X-dimension 0.762 mm is above GS1's 0.66 mm maximum for retail point of sale"},
  };
  for (const Refused& row : rows) {
    SCOPED_TRACE(row.options[0] + " " + row.options[1]);
    Args args = {"-type", "EAN-13", "-data", "590123412345"};
    args.insert(args.end(), row.options.begin(), row.options.end());
    const ProcessResult run = RunKbc(WithOutput(args, "svgf", TempDir() + "/sized.svg"));
    EXPECT_EQ(run.status, row.status);
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
  }
  const ProcessResult square = RunKbc(WithOutput({"-type", "QRCode", "-data", "Lot 7", "-height", "20mm"}, "svgf",
                                                 TempDir() + "/square.svg"));
  EXPECT_NE(square.err.find("-height does not apply to QRCode, whose modules are square"), std::string::npos)
      << square.err;
}

}  // namespace
}  // namespace kbc::test
