// -quietzones 1 against the symbologies' standards: every row drawn at scale
// 100 (one pixel per unit), its bars' light space on each side measured from
// the pixels. The quiet zones below are the standards' figures in the drawing's
// units, stated here apart from the table the program adds them from.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/symbology.h"
#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"
#include "support/raw_pixels.h"

namespace kbc::test {
namespace {

// Light each side, in the order left, right, top, bottom.
using Sides = std::array<int, 4>;

struct StandardZone {
  std::string type;
  std::string data;
  std::string addon;
  Sides zone;  // units of light each side must have
};

// One unit is one module of the 1-D codes unless noted.
const StandardZone kRows[] = {
    // GS1 General Specifications 5.2.3.4: EAN-13 11X / 7X, EAN-8 7X / 7X, UPC-A 9X / 9X,
    // UPC-E 9X / 7X, 5X right of an add-on.
    {"EAN-13", "590123412345", "", {11, 7}},
    {"EAN-13", "590123412345", "12345", {11, 5}},
    {"EAN-8", "9638507", "", {7, 7}},
    {"EAN-99", "1234567890", "", {11, 7}},
    {"EAN-Coupon", "1234567890", "", {11, 7}},
    {"EAN-Velocity", "123456", "", {7, 7}},
    {"UPC-A", "03600029145", "", {9, 9}},
    {"UPC-E", "0425261", "", {9, 7}},
    {"ISSN", "0317847X", "", {11, 7}},
    {"ISBN", "9780306406157", "", {11, 7}},
    {"ISMN", "M230671187", "", {11, 7}},
    // UPC-A, then a Code 128 symbol that ends it: 10X on its right.
    {"UPC-Coupon", "51234567890", "8110", {9, 10}},
    // ISO/IEC 15417 and GS1 General Specifications 5.4.4.2: 10X.
    {"Code-128", "Abc123", "", {10, 10}},
    {"EAN-128", "10AB", "", {10, 10}},
    {"EAN-14", "1234567890123", "", {10, 10}},
    {"EAN-18", "12345678901234567", "", {10, 10}},
    // ISO/IEC 16388 (Code 39 and the codes drawn with it), AIM USS-93, EN 798 (Codabar): 10X.
    {"Code-39", "AB12", "", {10, 10}},
    {"Code-32", "1234567", "", {10, 10}},
    {"PZN", "12", "", {10, 10}},
    {"Code-93", "ABC", "", {10, 10}},
    {"Codabar", "123", "", {10, 10}},
    // ISO/IEC 16390 and GS1 General Specifications 5.3.2.2 (ITF-14): 10X; Code 25,
    // Identcode and Telepen are held to the same.
    {"Interleaved-25", "123", "", {10, 10}},
    {"ITF-14", "1234567890123", "", {10, 10}},
    {"Identcode", "12345678901", "", {10, 10}},
    {"Code-25", "12", "", {10, 10}},
    {"Telepen", "1234", "", {10, 10}},
    // The bearer frame reaches the image edge; its quiet zone lies inside it.
    {"ITF-SCC", "1", "", {0, 0}},
    // MSI: 12X, the figure in common use (no public standard).
    {"MSI", "1234", "", {12, 12}},
    // Laetus: 6 mm each side; a narrow bar (0.5 mm) is one unit.
    {"Pharmacode", "12", "", {12, 12}},
    // USPS DMM 202.5: 0.125 in left and right, 0.040 in (POSTNET) or 0.028 in
    // (Intelligent Mail) above and below; Royal Mail: 2 mm all round. Converted
    // at the densest pitch allowed, 24 bars per inch, against the drawn pitch
    // (PostNet 3 units, USPS4CB and RM4SCC 4).
    {"PostNet", "12345", "", {9, 9, 3, 3}},
    {"USPS4CB", "0123456709498765432101234", "", {12, 12, 3, 3}},
    {"RM4SCC", "SN34RD1A", "", {8, 8, 8, 8}},
    // Placed by its distance from the mail piece's edge: no quiet zone of its own.
    {"FIM", "A", "", {0, 0}},
    // ISO/IEC 18004: 4X (QR), 2X (Micro QR); ISO/IEC 16022: 1X; a module is 3 units.
    {"QRCode", "Lot 7", "", {12, 12, 12, 12}},
    {"MicroQR", "12345", "", {6, 6, 6, 6}},
    {"DataMatrix", "123456", "", {3, 3, 3, 3}},
    {"CIP", "123456", "", {3, 3, 3, 3}},
    // ISO/IEC 15438: 2X all round; a module is 1 unit across.
    {"PDF417", "A", "", {2, 2, 2, 2}},
    // ISO/IEC 24724: DataBar needs no quiet zone.
    {"Databar-Omnidirectional", "123", "", {0, 0}},
    {"Databar-Truncated", "123", "", {0, 0}},
    {"Databar-Stacked", "123", "", {0, 0}},
    {"Databar-StackedOmnidirectional", "123", "", {0, 0}},
    {"Databar-Limited", "123", "", {0, 0}},
    {"Databar-Expanded", "123", "", {0, 0}},
    // The added types. ISO/IEC 24778: Aztec needs no quiet zone; ISO/IEC 23941
    // (rMQR) 2X, ISO/IEC 24728 (MicroPDF417) 1X, and the HIBC symbols their
    // carriers' zones; 10X for the linear codes, 12X for Plessey as for MSI.
    {"Aztec", "Ticket", "", {0, 0, 0, 0}},
    {"Aztec-Runes", "25", "", {0, 0, 0, 0}},
    {"HIBC-Aztec", "A123", "", {0, 0, 0, 0}},
    {"rMQR", "12345", "", {6, 6, 6, 6}},
    {"MicroPDF417", "ABC123", "", {1, 1, 1, 1}},
    {"HIBC-MicroPDF417", "A123", "", {1, 1, 1, 1}},
    {"HIBC-PDF417", "A123", "", {2, 2, 2, 2}},
    {"HIBC-DataMatrix", "A123", "", {3, 3, 3, 3}},
    {"HIBC-QR", "A123", "", {12, 12, 12, 12}},
    {"Code-11", "0123-45", "", {10, 10}},
    {"LOGMARS", "ABC-123", "", {10, 10}},
    {"Plessey", "01234ABCD", "", {12, 12}},
    {"HIBC-128", "A123", "", {10, 10}},
    {"HIBC-39", "A123", "", {10, 10}},
    {"HIBC-Codablock-F", "A123", "", {10, 10}},
    {"VIN", "1M8GDM9AXKP042788", "", {10, 10}},
    {"DPD", "%000393206219912345678101040", "", {10, 10}},
    {"Channel-Code", "1234", "", {10, 10}},
    {"Leitcode", "2131260313112", "", {10, 10}},
    // Australia Post: 6 mm each side, 2 mm above and below; PostNL (KIX) and
    // Japan Post: 2 mm all round; PLANET as PostNet. A drawn pitch of 4 units
    // is taken as 1 mm (Japan Post 1.2 mm) or 1/24 in.
    {"AusPost", "96184209", "", {24, 24, 8, 8}},
    {"KIX", "2500GG30250", "", {8, 8, 8, 8}},
    {"Japan-Post", "15400233-16-4-205", "", {7, 7, 7, 7}},
    {"PLANET", "4012345235636", "", {12, 12, 4, 4}},
    // ISO/IEC 16023: MaxiCode 1X all round (a pitch of 2.49 units); AIM's
    // DotCode 3X (cells of 3 units).
    {"MaxiCode", "Parcel 42", "", {3, 3, 3, 3}},
    {"DotCode", "LOT 42", "", {9, 9, 9, 9}},
    // ISO/IEC 15438: compact PDF417 2X as PDF417. EN 12323 (Code 16K) and
    // ANSI/AIM BC6 (Code 49) draw their 10X and 1X inside their top and bottom
    // bars, which reach the image's edges; AIM Europe's Codablock F 10X each
    // side. ISO/IEC 20830: Han Xin 3X; AIMD014: Grid Matrix 6X; Code One none;
    // UPNQR 4X as QR Code. A module of the 2-D symbols is 3 units.
    {"PDF417-Compact", "Lot 7", "", {2, 2, 2, 2}},
    {"Code-16K", "Hello 123", "", {0, 0, 0, 0}},
    {"Codablock-F", "Hello 123", "", {10, 10, 0, 0}},
    {"Code-49", "Hello 123", "", {0, 0, 0, 0}},
    {"Han-Xin", "Hello 123", "", {9, 9, 9, 9}},
    {"Grid-Matrix", "Hello 123", "", {18, 18, 18, 18}},
    {"Code-One", "Hello 123", "", {0, 0, 0, 0}},
    {"UPNQR", "UPNQR 42", "", {12, 12, 12, 12}},
    // Korea Post 10X as the other linear codes; Mailmark and DAFT 2 mm all
    // round as RM4SCC; CEPNet as PostNet at PLANET's pitch; Pharmacode
    // two-track 6 mm as Pharmacode; Flattermarken none, on the sheet's edge.
    {"Korea-Post", "123456", "", {10, 10}},
    {"Mailmark", "1100000000000XY11", "", {8, 8, 8, 8}},
    {"CEPNet", "12345678", "", {12, 12, 4, 4}},
    {"DAFT", "FADT", "", {8, 8, 8, 8}},
    {"Pharmacode-2-Track", "1234", "", {12, 12}},
    {"Flattermarken", "123", "", {0, 0}},
    // Composites as their linear symbols: GS1-128 10X each side, the EAN and
    // UPC drawings with their own quiet zones already.
    {"GS1-128-Composite", "0103812345678908", "10ABC123", {10, 10}},
    {"EAN-13-Composite", "331234567890", "991234-abcd", {0, 0}},
    {"EAN-8-Composite", "1234567", "991234-abcd", {0, 0}},
    {"UPC-A-Composite", "03600029145", "991234-abcd", {0, 0}},
    {"UPC-E-Composite", "0425261", "991234-abcd", {0, 0}},
    {"Databar-Omnidirectional-Composite", "0361234567890", "11991231", {0, 0}},
    {"Databar-Truncated-Composite", "0361234567890", "11991231", {0, 0}},
    {"Databar-Stacked-Composite", "0361234567890", "11991231", {0, 0}},
    {"Databar-StackedOmnidirectional-Composite", "0361234567890", "11991231", {0, 0}},
    {"Databar-Limited-Composite", "0361234567890", "11991231", {0, 0}},
    {"Databar-Expanded-Stacked", "010361234567890410LOT42ABCDEFGHIJ", "", {0, 0}},
};

std::string RowName(const StandardZone& row) {
  std::string name = row.type + (row.addon.empty() ? "" : "_addon" + row.addon);
  std::ranges::replace(name, '-', '_');
  return name;
}

void PrintTo(const StandardZone& row, std::ostream* out) { *out << RowName(row); }

// The light pixels between the dark ones (grey below 128) and each image edge.
Sides LightSides(const RawImage& image) {
  int left = image.width, right = -1, top = image.height, bottom = -1;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.bytes[std::size_t(y * image.width + x)] >= 128) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {left, image.width - 1 - right, top, image.height - 1 - bottom};
}

class QuietZones : public testing::TestWithParam<StandardZone> {};

// The bars alone are measured (-showtext 0): human-readable text may stand in
// a quiet zone. Each side gets the standard's light and no more than it lacked,
// and the drawing itself is the one drawn without the option, moved in.
TEST_P(QuietZones, EachSideHasTheStandardLightAndTheDrawingIsUnchanged) {
  const StandardZone& row = GetParam();
  const std::string name = RowName(row);
  std::vector<std::string> symbol{"-type", row.type, "-data", row.data};
  if (!row.addon.empty()) symbol.insert(symbol.end(), {"-addon", row.addon});
  const std::string plainPath = WriteSymbol(name + "-plain.png", "pngf", {"-showtext", "0"}, symbol);
  const std::string zonedPath = WriteSymbol(name + "-zoned.png", "pngf", {"-showtext", "0", "-quietzones", "1"}, symbol);
  const std::string offPath = WriteSymbol(name + "-off.png", "pngf", {"-showtext", "0", "-quietzones", "0"}, symbol);
  EXPECT_EQ(ReadFile(offPath), ReadFile(plainPath)) << "-quietzones 0 changes the file";

  const RawImage plain = ReadPixels(plainPath, "gray");
  const RawImage zoned = ReadPixels(zonedPath, "gray");
  ASSERT_TRUE(plain.width > 0 && zoned.width > 0);
  const Sides was = LightSides(plain);
  const Sides is = LightSides(zoned);
  for (const int k : {0, 1, 2, 3}) {
    EXPECT_EQ(is[k], std::max(row.zone[k], was[k]))
        << "side " << k << " (left, right, top, bottom): " << was[k] << " units drawn, " << row.zone[k] << " asked";
  }

  const int dx = is[0] - was[0];
  const int dy = is[2] - was[2];
  ASSERT_EQ(zoned.width, plain.width + dx + is[1] - was[1]);
  ASSERT_EQ(zoned.height, plain.height + dy + is[3] - was[3]);
  int differing = 0;
  for (int y = 0; y < plain.height; ++y) {
    for (int x = 0; x < plain.width; ++x) {
      const std::size_t moved = std::size_t((y + dy) * zoned.width + x + dx);
      differing += plain.bytes[std::size_t(y * plain.width + x)] != zoned.bytes[moved];
    }
  }
  EXPECT_EQ(differing, 0) << "pixels of the drawing differ once it is moved in";
}

INSTANTIATE_TEST_SUITE_P(EveryRow, QuietZones, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<StandardZone>& info) { return RowName(info.param); });

TEST(QuietZonesTable, CoversEverySymbology) {
  std::set<SymbologyType> covered;
  for (const StandardZone& row : kRows) {
    const SymbologyType code = SymbologyFromName(std::u32string(row.type.begin(), row.type.end()));
    EXPECT_NE(code, 0) << row.type;
    covered.insert(code);
  }
  EXPECT_EQ(covered.size(), std::size_t(kSymbologyCount));
}

// -margin and -quietzones add up: Code 39 drawn without a quiet zone gets 10
// units and the margin each side.
TEST(QuietZonesTable, AddUpWithTheMargin) {
  const std::vector<std::string> symbol{"-type", "Code-39", "-data", "AB12"};
  const RawImage plain = ReadPixels(WriteSymbol("code39-plain.png", "pngf", {}, symbol), "gray");
  const RawImage both =
      ReadPixels(WriteSymbol("code39-both.png", "pngf", {"-quietzones", "1", "-margin", "5"}, symbol), "gray");
  EXPECT_EQ(both.width, plain.width + 2 * (10 + 5));
  EXPECT_EQ(both.height, plain.height + 2 * 5);
}

// Filled to the image edge with the background and read as the bitmap is, at 4
// pixels a unit: whatever light the reader finds is the image's own.
TEST(QuietZonesTable, ZxingReadsTheSymbolOnItsOwnBackground) {
  for (const auto& [type, data] :
       {std::pair{"Code-128", "Abc123"}, std::pair{"QRCode", "Lot 7"}, std::pair{"DataMatrix", "123456"}}) {
    const std::string png = WriteSymbol(std::string(type) + "-scan.png", "pngf",
                                        {"-quietzones", "1", "-coltrans", "1", "-dpi", "288"},
                                        {"-type", type, "-data", data});
    const auto read = ZxingRead(png);
    ASSERT_EQ(read.size(), 1u) << type << ": " << Describe(read);
    EXPECT_EQ(read[0].text, data);
  }
}

}  // namespace
}  // namespace kbc::test
