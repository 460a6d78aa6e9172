// The sizes and levels of the added 2-D types, checked by encoders and readers
// that share no code with libzint: a zxing-cpp 3 reader reports the Aztec
// layers and error-correction share and the rMQR version it read, and
// MicroPDF417's grid in each column count equals bwip-js's. The side of each
// Aztec size is the one ISO/IEC 24778 gives it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "matrix/added_symbologies.h"
#include "support/npm_oracles.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc::test {
namespace {

const std::string kTicket = "UIC 918 ticket 0123456789 seat 42 coach 7 Paris-Lyon 2027-05-01";

// What the reader finds in the PNG of a symbol drawn with its quiet zone.
Decoded ReadOne(const std::vector<std::string>& args) {
  std::vector<std::string> drawn = args;
  drawn.insert(drawn.end(), {"-quietzones", "1"});
  const std::vector<Decoded> read = ZxingWasmRead(WriteAndRasterise(drawn, "pngf"));
  EXPECT_EQ(read.size(), 1u) << Describe(read);
  return read.empty() ? Decoded{} : read[0];
}

// The SVG's width in units: 3 a module, no quiet zone.
std::string SvgWidth(const std::vector<std::string>& args) {
  const std::string svg = TempDir() + "/size.svg";
  const ProcessResult run = RunKbc(WithOutput(args, "svgf", svg));
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string text = ReadFile(svg);
  const std::size_t box = text.find("viewBox=\"0 0 ");
  return box == std::string::npos ? "" : text.substr(box + 13, text.find(' ', box + 13) - box - 13);
}

struct AztecSize {
  std::string layers;  // as given to -aztec-layers
  std::string side;    // in units: 3 a module
  std::string readLayers;
};

// ISO/IEC 24778: a compact symbol is 11 + 4L modules a side; a full-range one
// 15 + 4L plus its reference grid lines (19, 31, 37, 67, 151).
const AztecSize kAztecSizes[] = {
    {"C1", "45.00", "1"}, {"C4", "81.00", "4"},   {"1", "57.00", "1"},    {"4", "93.00", "4"},
    {"5", "111.00", "5"}, {"12", "201.00", "12"}, {"32", "453.00", ""},
};

void PrintTo(const AztecSize& c, std::ostream* out) { *out << c.layers; }

class AztecLayers : public testing::TestWithParam<AztecSize> {};

TEST_P(AztecLayers, SizeIsTheStandardsAndTheReaderCountsTheLayers) {
  const AztecSize& c = GetParam();
  const std::vector<std::string> args = {"-type", "Aztec", "-data", "Ticket 918", "-aztec-layers", c.layers};
  EXPECT_EQ(SvgWidth(args), c.side);
  if (c.readLayers.empty()) return;  // the largest is sized only: reading it takes seconds
  const Decoded read = ReadOne(args);
  EXPECT_EQ(read.text, "Ticket 918");
  EXPECT_EQ(read.version, c.readLayers);
}

INSTANTIATE_TEST_SUITE_P(ZxingWasm, AztecLayers, testing::ValuesIn(kAztecSizes),
                         [](const auto& info) { return "Layers_" + info.param.layers; });

TEST(AztecEcLevel, TheReaderFindsAtLeastTheShareAskedFor) {
  int previous = 0;
  for (const std::string percent : {"10", "23", "36", "50"}) {
    const Decoded read = ReadOne({"-type", "Aztec", "-data", kTicket, "-aztec-eclevel", percent});
    EXPECT_EQ(read.text, kTicket) << percent;
    // The symbol is the smallest that holds the data with that share; what
    // its last layer leaves over is error correction too.
    const int share = std::atoi(read.ecLevel.c_str());
    EXPECT_GE(share, std::stoi(percent)) << read.ecLevel;
    EXPECT_GE(share, previous) << percent;
    previous = share;
  }
  EXPECT_GE(previous, 50);
}

TEST(RmqrSize, TheReaderReportsTheVersionAskedFor) {
  for (const auto& [size, version] : std::vector<std::pair<std::string, std::string>>{
           {"7x43", "R7x43"}, {"R13x27", "R13x27"}, {"11x139", "R11x139"}, {"17x99", "R17x99"}}) {
    const Decoded read = ReadOne({"-type", "rMQR", "-data", "Lot 7", "-rmqr-size", size});
    EXPECT_EQ(read.text, "Lot 7") << size;
    EXPECT_EQ(read.version, version) << size;
  }
}

// Capitals and spaces only: for mixed text the two encoders may choose other,
// equally valid, text sub-modes, and the grids would differ for no fault.
TEST(MicroPdf417Columns, GridEqualsBwipJsInEachWidth) {
  for (int columns = 1; columns <= 4; ++columns) {
    SymbolOptions options;
    options.microPdf417Columns = columns;
    const Result<EncodedSymbol> ours = EncodeAdded<zint::kMicroPdf417>(U"PART FORTY TWO LOT SEVEN", U"", options);
    ASSERT_TRUE(ours) << ours.refusal;
    const ModuleGrid& grid = ours->grid;
    EXPECT_EQ("grid " + std::to_string(grid.columns) + " " + std::to_string(grid.rows) + " " + grid.modules,
              BwipRaw("micropdf417", "PART FORTY TWO LOT SEVEN", "columns=" + std::to_string(columns) + " rowmult=1"))
        << columns << " columns";
  }
}

}  // namespace
}  // namespace kbc::test
