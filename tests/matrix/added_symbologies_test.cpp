// The added 2-D and stacked types, which libzint encodes and our matrix frame
// draws: read back from PNG, SVG and PDF by ZXingReader, or by a zxing-cpp 3
// reader where only that reads the symbology, and the module grids of the
// types no reader reads equal to bwip-js's for the same data.
#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "core/symbology.h"
#include "matrix/added_symbologies.h"
#include "support/npm_oracles.h"
#include "support/decoders.h"
#include "support/output_files.h"

namespace kbc::test {
namespace {

struct ReadCase {
  std::string type;
  std::string data;
  std::string text;        // what the reader gives back
  std::string identifier;  // the symbology identifier it reports
  bool newerReader = false;  // read by zxing-wasm rather than ZXingReader 1.4
  std::vector<std::string> options = {};
};

// HIBC: the data behind the "+" flag character, then the modulo-43 check
// character (ANSI/HIBC LIC): "+A123BJC5D6E71" sums to 145, 145 mod 43 = 16, "G".
const ReadCase kReadCases[] = {
    {"Aztec", "Ticket 918 / seat 42", "Ticket 918 / seat 42", "]z0"},
    {"HIBC-DataMatrix", "A123BJC5D6E71", "+A123BJC5D6E71G", "]d1"},
    {"HIBC-QR", "A123BJC5D6E71", "+A123BJC5D6E71G", "]Q1"},
    {"HIBC-PDF417", "A123BJC5D6E71", "+A123BJC5D6E71G", "]L2"},
    {"HIBC-Aztec", "A123BJC5D6E71", "+A123BJC5D6E71G", "]z0"},
    {"rMQR", "12345", "12345", "]Q1", true},
    {"rMQR", "Lot 7/2027", "Lot 7/2027", "]Q1", true},
    {"MicroPDF417", "ABC123", "ABC123", "]L2", true},
    {"HIBC-MicroPDF417", "A123BJC5D6E71", "+A123BJC5D6E71G", "]L2", true},
    {"PDF417-Compact", "Lot 7/2027 pallet 42", "Lot 7/2027 pallet 42", "]L2"},
    {"Databar-Expanded-Stacked", "010361234567890410LOT42ABCDEFGHIJ", "(01)03612345678904(10)LOT42ABCDEFGHIJ", "]e0"},
    {"Databar-Expanded-Stacked", "010361234567890410LOT42ABCDEFGHIJ", "(01)03612345678904(10)LOT42ABCDEFGHIJ", "]e0",
     false, {"-databar-segments", "2"}},
    {"PDF417-Compact", "Lot 7/2027 pallet 42", "Lot 7/2027 pallet 42", "]L2", true},
    // UPNQR carries ISO 8859-2 under ECI 4: the reader gives "č" and "ž" back.
    {"UPNQR", "UPNQR Janez Novak, Ljubljana: plačilo položnice 42", "UPNQR Janez Novak, Ljubljana: plačilo položnice 42",
     "]Q1"},
    {"UPNQR", "UPNQR Janez Novak, Ljubljana: plačilo položnice 42", "UPNQR Janez Novak, Ljubljana: plačilo položnice 42",
     "]Q1", true},
};

// gtest shows a case by its name instead of dumping the record's bytes.
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.type << ' ' << c.data; }

class AddedMatrixReads : public testing::TestWithParam<ReadCase> {};

TEST_P(AddedMatrixReads, ZxingReadsPngSvgAndPdf) {
  const ReadCase& c = GetParam();
  for (const std::string action : {"pngf", "svgf", "pdff"}) {
    std::vector<std::string> args = {"-type", c.type, "-data", c.data, "-quietzones", "1"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const std::string png = WriteAndRasterise(args, action);
    ASSERT_FALSE(png.empty()) << action;
    const std::vector<Decoded> read = c.newerReader ? ZxingWasmRead(png) : ZxingRead(png, {"-ispure"});
    ASSERT_EQ(read.size(), 1u) << action << ": " << Describe(read);
    EXPECT_EQ(read[0].text, c.text) << action;
    EXPECT_EQ(read[0].identifier, c.identifier) << action;
  }
}

std::string CaseName(const std::string& type) {
  std::string name = type;
  for (char& ch : name) {
    if (ch == '-') ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Readers, AddedMatrixReads, testing::ValuesIn(kReadCases), [](const auto& info) {
  return CaseName(info.param.type) + "_" + std::to_string(info.index);
});

struct GridCase {
  std::string type;
  Encoder encode;
  std::u32string data;
  std::string bwipEncoder;
  std::string bwipText;
  std::string bwipOptions;
};

const GridCase kGridCases[] = {
    {"Aztec-Runes", EncodeAdded<zint::kAztecRunes>, U"25", "aztecrune", "25", ""},
    {"Aztec-Runes", EncodeAdded<zint::kAztecRunes>, U"0", "aztecrune", "0", ""},
    // bwip-js draws each MicroPDF417 row twice unless told; the column counts
    // are the ones the library chose for this data.
    {"MicroPDF417", EncodeAdded<zint::kMicroPdf417>, U"ABC123", "micropdf417", "ABC123", "columns=3 rowmult=1"},
    {"HIBC-MicroPDF417", EncodeAdded<zint::kHibcMicroPdf417>, U"A123BJC5D6E71", "hibcmicropdf417", "A123BJC5D6E71",
     "columns=3 rowmult=1"},
    // The rows of bars with their separator bars, one grid row each; Code 16K
    // and Code 49 with their 10X and 1X of light inside the top and bottom bars.
    {"Code-16K", EncodeAdded<zint::kCode16k>, U"Hello 123", "code16k", "Hello 123", ""},
    {"Code-16K", EncodeAdded<zint::kCode16k>, U"0123456789012345678901234567890123", "code16k",
     "0123456789012345678901234567890123", ""},
    {"Code-49", EncodeAdded<zint::kCode49>, U"Hello 123", "code49", "Hello 123", ""},
    {"Code-49", EncodeAdded<zint::kCode49>, U"MULTIPLE ROWS OF CODE 49", "code49", "MULTIPLE ROWS OF CODE 49", ""},
    // The data columns are the ones the library chose for this data.
    {"Codablock-F", EncodeAdded<zint::kCodablockF>, U"Hello 123", "codablockf", "Hello 123", "columns=4"},
    // ANSI/HIBC 2.6, flag and check character in the rows; data on which both pick the same
    // code sets ("A123BJC5D6E71" ends in C for bwip-js, in B for libzint).
    {"HIBC-Codablock-F", EncodeAdded<zint::kHibcCodablockF>, U"A123BJC5D6E", "hibccodablockf", "A123BJC5D6E",
     "columns=4"},
    {"Code-One", EncodeAdded<zint::kCodeOne>, U"Hello 123", "codeone", "Hello 123", ""},
    // Versions A to C; data whose mode switches the two encoders may choose
    // differently (mixed case) is left out.
    {"Code-One", EncodeAdded<zint::kCodeOne>, U"code one lower case text", "codeone", "code one lower case text", ""},
    {"Code-One", EncodeAdded<zint::kCodeOne>, U"CODE ONE CARRIES UPPER CASE TEXT AND 42", "codeone",
     "CODE ONE CARRIES UPPER CASE TEXT AND 42", ""},
};

void PrintTo(const GridCase& c, std::ostream* out) { *out << c.type; }

class AddedMatrixGrids : public testing::TestWithParam<GridCase> {};

TEST_P(AddedMatrixGrids, GridEqualsBwipJs) {
  const GridCase& c = GetParam();
  const Result<EncodedSymbol> ours = c.encode(c.data, U"", SymbolOptions{});
  ASSERT_TRUE(ours) << ours.refusal;
  const ModuleGrid& grid = ours->grid;
  EXPECT_EQ("grid " + std::to_string(grid.columns) + " " + std::to_string(grid.rows) + " " + grid.modules,
            BwipRaw(c.bwipEncoder, c.bwipText, c.bwipOptions));
}

INSTANTIATE_TEST_SUITE_P(BwipJs, AddedMatrixGrids, testing::ValuesIn(kGridCases), [](const auto& info) {
  return CaseName(info.param.type) + "_" + std::to_string(info.index);
});

// Han Xin (ISO/IEC 20830): the two encoders agree on every module but six of
// the function information next to the finder patterns, the strips at the
// ninth row and column from each edge; there the comparison stops. The error
// correction levels and masks are the ones the library chose for the data.
struct HanXinCase {
  std::u32string data;
  std::string bwipOptions;
};

bool InFunctionInformation(std::size_t side, std::size_t row, std::size_t column) {
  const auto strip = [&](std::size_t at) { return at == 8 || at == side - 9; };
  const auto corner = [&](std::size_t at) { return at <= 8 || at >= side - 9; };
  return (strip(row) && corner(column)) || (strip(column) && corner(row));
}

TEST(HanXin, GridEqualsBwipJsOutsideTheFunctionInformation) {
  const HanXinCase cases[] = {
      {U"12345678", "eclevel=L4 mask=2"},
      {U"0123456789012345678901234567890123456789012345678901234567890123456789", "eclevel=L2"},
  };
  for (const HanXinCase& c : cases) {
    const std::string text(c.data.begin(), c.data.end());
    const Result<EncodedSymbol> ours = EncodeAdded<zint::kHanXin>(c.data, U"", SymbolOptions{});
    ASSERT_TRUE(ours) << ours.refusal;
    const ModuleGrid& grid = ours->grid;
    const std::string size = std::to_string(grid.columns) + " " + std::to_string(grid.rows) + " ";
    const std::string theirs = BwipRaw("hanxin", text, c.bwipOptions);
    ASSERT_EQ(theirs.substr(0, 5 + size.size()), "grid " + size) << text;
    const std::string_view bwipModules = std::string_view(theirs).substr(5 + size.size());
    ASSERT_EQ(bwipModules.size(), grid.modules.size()) << text;
    int differing = 0;
    for (std::size_t i = 0; i < grid.modules.size(); ++i) {
      if (InFunctionInformation(grid.columns, i / grid.columns, i % grid.columns)) continue;
      differing += grid.modules[i] != bwipModules[i];
    }
    EXPECT_EQ(differing, 0) << text;
  }
}

// Han Xin's function information worked by hand (ISO/IEC 20830): version + 20 (8 bits), level - 1
// (2), mask (2), as three GF(16) symbols (x^4 + x + 1) and 4 Reed-Solomon check symbols (roots
// a^1..a^4, g = x^4 + 13x^3 + 12x^2 + 8x + 7). The text sets no value for the last 6 of the 34
// modules: libzint leaves them light, bwip-js writes 010101 (the six that differ). Read in
// placement order: row 8 rightwards, column 8 upwards, column side-9 down, row 8 on.
TEST(HanXin, FunctionInformationWorkedByHand) {
  // Version 1 (21), L4, mask 01: symbols 1 5 13, check symbols 6 12 6 9.
  const std::string bits = "0001" "0101" "1101" "0110" "1100" "0110" "1001" "000000";
  const Result<EncodedSymbol> ours = EncodeAdded<zint::kHanXin>(U"12345678", U"", SymbolOptions{});
  ASSERT_TRUE(ours) << ours.refusal;
  const std::size_t n = ours->grid.columns;
  const auto at = [&](std::size_t row, std::size_t column) { return ours->grid.modules[row * n + column]; };
  std::string read(34, '?');
  for (std::size_t i = 0; i < 9; ++i) {  // four strips of 9, neighbours sharing a corner module
    const std::size_t bit[4] = {i, 8 + i, 17 + i, 25 + i}, row[4] = {8, 8 - i, i, 8};
    const std::size_t column[4] = {i, 8, n - 9, n - 9 + i};
    for (std::size_t s = 0; s < 4; ++s) read[bit[s]] = at(row[s], column[s]);
  }
  EXPECT_EQ(read, bits);
}

// Grid Matrix (AIMD014, as Seagull Scientific's barcode guide has it): 2v + 1 macromodules of 6x6
// a side in version v (18 to 162 modules), each framed by a ring of one colour, the frames a
// checkerboard with dark corners.
TEST(GridMatrix, MacromodulesFramedAsACheckerboard) {
  const std::pair<std::size_t, std::size_t> sizes[] = {{1, 18}, {40, 30}, {150, 54}, {400, 78}, {1000, 114}};
  for (const auto& [length, side] : sizes) {  // digits, and the side of versions 1, 2, 4, 6, 9
    const Result<EncodedSymbol> ours =
        EncodeAdded<zint::kGridMatrix>(std::u32string(length, U'7'), U"", SymbolOptions{});
    ASSERT_TRUE(ours) << ours.refusal;
    ASSERT_TRUE(ours->grid.rows == side && ours->grid.columns == side) << ours->grid.columns;
    int offFrame = 0;
    for (std::size_t row = 0; row < side; ++row) {
      for (std::size_t column = 0; column < side; ++column) {
        const bool onRing = row % 6 == 0 || row % 6 == 5 || column % 6 == 0 || column % 6 == 5;
        offFrame += onRing && ours->grid.modules[row * side + column] != ((row / 6 + column / 6) % 2 == 0 ? '1' : '0');
      }
    }
    EXPECT_EQ(offFrame, 0) << length << " digits, " << side << " modules a side";
  }
}

}  // namespace
}  // namespace kbc::test
