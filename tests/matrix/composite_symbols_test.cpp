// GS1 Composite symbols: the 2-D component and separator rows libzint makes,
// stacked over the linear symbol, equal to bwip-js's grid for the same element
// strings; no reader here reads the component, but zbarimg reads the linear part.
#include "matrix/composite_symbols.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/symbology.h"
#include "support/decoders.h"
#include "support/npm_oracles.h"
#include "support/output_files.h"

namespace kbc::test {
namespace {

struct GridCase {
  std::string name;
  Encoder encode;
  std::u32string data;
  std::u32string component;
  std::string bwipEncoder;
  std::string bwipText;
  int segments = 0;  // Expanded Stacked's segments per row; 0: the default 4
};

// CC-A for short components, CC-B for longer ones, CC-C above GS1-128 for
// components CC-B cannot hold; both encoders try them in that order.
const std::u32string kText80 = U"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZAB";
const std::string kAscii80(kText80.begin(), kText80.end());
const GridCase kCases[] = {
    {"Gs1128_CcA", EncodeGs1128Composite, U"0103812345678908", U"10ABC123", "gs1-128composite",
     "(01)03812345678908|(10)ABC123"},
    {"Gs1128_TwoFieldsEach", EncodeGs1128Composite, U"01038123456789083103001234", U"1727123110LOT42",
     "gs1-128composite", "(01)03812345678908(3103)001234|(17)271231(10)LOT42"},
    {"Gs1128_CcC", EncodeGs1128Composite, U"0103812345678908", U"91" + kText80 + U"#92" + kText80 + U"#93" + kText80,
     "gs1-128composite", "(01)03812345678908|(91)" + kAscii80 + "(92)" + kAscii80 + "(93)" + kAscii80},
    {"DataBarOmni_CcA", EncodeDataBarWith<composite::kDataBarOmnidirectional>, U"0361234567890", U"11991231", "databaromnicomposite",
     "(01)03612345678904|(11)991231"},
    {"DataBarOmni_CcB", EncodeDataBarWith<composite::kDataBarOmnidirectional>, U"361234567890", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH",
     "databaromnicomposite", "(01)03612345678904|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"DataBarTruncated_CcA", EncodeDataBarWith<composite::kDataBarTruncated>, U"0361234567890", U"11991231", "databartruncatedcomposite",
     "(01)03612345678904|(11)991231"},
    {"DataBarTruncated_CcB", EncodeDataBarWith<composite::kDataBarTruncated>, U"361234567890", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH",
     "databartruncatedcomposite", "(01)03612345678904|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"DataBarStacked_CcA", EncodeDataBarWith<composite::kDataBarStacked>, U"0361234567890", U"11991231", "databarstackedcomposite",
     "(01)03612345678904|(11)991231"},
    {"DataBarStacked_CcB", EncodeDataBarWith<composite::kDataBarStacked>, U"361234567890", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH",
     "databarstackedcomposite", "(01)03612345678904|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"DataBarStackedOmni_CcA", EncodeDataBarWith<composite::kDataBarStackedOmnidirectional>, U"0361234567890", U"11991231", "databarstackedomnicomposite",
     "(01)03612345678904|(11)991231"},
    {"DataBarStackedOmni_CcB", EncodeDataBarWith<composite::kDataBarStackedOmnidirectional>, U"361234567890", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH",
     "databarstackedomnicomposite", "(01)03612345678904|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"DataBarLimited_CcA", EncodeDataBarWith<composite::kDataBarLimited>, U"0361234567890", U"11991231", "databarlimitedcomposite",
     "(01)03612345678904|(11)991231"},
    {"DataBarLimited_CcB", EncodeDataBarWith<composite::kDataBarLimited>, U"361234567890", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH",
     "databarlimitedcomposite", "(01)03612345678904|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"DataBarExpandedStacked_None", EncodeDataBarExpandedStacked, U"010361234567890410LOT42ABCDEFGHIJ", U"",
     "databarexpandedstacked", "(01)03612345678904(10)LOT42ABCDEFGHIJ"},
    {"DataBarExpandedStacked_CcA", EncodeDataBarExpandedStacked, U"010361234567890410LOT42ABCDEFGHIJ|11991231", U"",
     "databarexpandedstackedcomposite", "(01)03612345678904(10)LOT42ABCDEFGHIJ|(11)991231"},
    {"DataBarExpandedStacked_CcB", EncodeDataBarExpandedStacked, U"0103612345678904|21SERIAL0123456789ABCD#10LOT42ABCDEFGH",
     U"", "databarexpandedstackedcomposite", "(01)03612345678904|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"DataBarExpandedStacked_2Segments", EncodeDataBarExpandedStacked, U"010361234567890410LOT42ABCDEFGHIJ", U"",
     "databarexpandedstacked", "(01)03612345678904(10)LOT42ABCDEFGHIJ", 2},
    {"DataBarExpandedStacked_6Segments", EncodeDataBarExpandedStacked, U"010361234567890410LOT42ABCDEFGHIJ", U"",
     "databarexpandedstacked", "(01)03612345678904(10)LOT42ABCDEFGHIJ", 6},
    {"DataBarExpandedStacked_8Segments", EncodeDataBarExpandedStacked, U"010361234567890410LOT42ABCDEFGHIJ", U"",
     "databarexpandedstacked", "(01)03612345678904(10)LOT42ABCDEFGHIJ", 8},
    {"Ean13_CcA", EncodeRetail<composite::kEan13>, U"331234567890", U"991234-abcd", "ean13composite", "331234567890|(99)1234-abcd"},
    {"Ean8_CcA", EncodeRetail<composite::kEan8>, U"1234567", U"991234-abcd", "ean8composite", "1234567|(99)1234-abcd"},
    {"Ean8_CcB", EncodeRetail<composite::kEan8>, U"1234567", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH", "ean8composite",
     "1234567|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"UpcA_CcA", EncodeRetail<composite::kUpcA>, U"01234567890", U"991234-abcd", "upcacomposite", "01234567890|(99)1234-abcd"},
    {"UpcA_CcB", EncodeRetail<composite::kUpcA>, U"03600029145", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH", "upcacomposite",
     "03600029145|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"UpcE_CcA", EncodeRetail<composite::kUpcE>, U"0123456", U"991234-abcd", "upcecomposite", "0123456|(99)1234-abcd"},
    {"UpcE_CcB", EncodeRetail<composite::kUpcE>, U"0425261", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH", "upcecomposite",
     "0425261|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH"},
    {"Ean13_CcB", EncodeRetail<composite::kEan13>, U"590123412345", U"21SERIAL0123456789ABCD#10LOT42ABCDEFGH#240PART0123456789ABCDEFGHIJ",
     "ean13composite", "590123412345|(21)SERIAL0123456789ABCD(10)LOT42ABCDEFGH(240)PART0123456789ABCDEFGHIJ"},
};

// Our symbol as one grid: EAN-13's bars, which our own encoder makes, under
// the component where the composite places them.
std::string GridOf(const EncodedSymbol& symbol) {
  const ModuleGrid& grid = symbol.grid;
  std::string modules = grid.modules;
  std::size_t rows = grid.rows;
  if (!symbol.parts.empty()) {
    std::string linear(std::size_t(symbol.variant), '0');
    for (const std::string& part : symbol.parts) linear += part;
    linear.resize(grid.columns, '0');
    modules += linear;
    ++rows;
  }
  return "grid " + std::to_string(grid.columns) + " " + std::to_string(rows) + " " + modules;
}

void PrintTo(const GridCase& c, std::ostream* out) { *out << c.name; }

class CompositeGrids : public testing::TestWithParam<GridCase> {};

TEST_P(CompositeGrids, EqualBwipJs) {
  const GridCase& c = GetParam();
  SymbolOptions options;
  options.dataBarSegments = c.segments;
  const Result<EncodedSymbol> ours = c.encode(c.data, c.component, options);
  ASSERT_TRUE(ours) << ours.refusal;
  EXPECT_EQ(GridOf(*ours), BwipRaw(c.bwipEncoder, c.bwipText, c.segments ? "segments=" + std::to_string(c.segments) : ""));
}

INSTANTIATE_TEST_SUITE_P(BwipJs, CompositeGrids, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST(Composites, RefuseAMissingOrMalformedComponent) {
  for (const Encoder encode : {EncodeGs1128Composite, EncodeRetail<composite::kEan13>}) {
    const std::u32string data = encode == EncodeRetail<composite::kEan13> ? U"331234567890" : U"0103812345678908";
    const Result<EncodedSymbol> missing = encode(data, U"", SymbolOptions{});
    EXPECT_NE(missing.refusal.find("needs its 2-D component as -addon"), std::string::npos) << missing.refusal;
    const Result<EncodedSymbol> malformed = encode(data, U"1", SymbolOptions{});
    EXPECT_NE(malformed.refusal.find("must begin"), std::string::npos) << malformed.refusal;
  }
}

// The linear part of the drawing is read back in every target.
TEST(Composites, ZbarReadsTheLinearPartInPngSvgAndPdf) {
  const struct {
    std::string type, data, component, text;
  } cases[] = {
      {"EAN-13-Composite", "331234567890", "991234-abcd", "3312345678903"},
      {"GS1-128-Composite", "0103812345678908", "10ABC123", "0103812345678908"},
      {"EAN-8-Composite", "1234567", "991234-abcd", "12345670"},
      {"EAN-8-Composite", "1234567", "21SERIAL0123456789ABCD#10LOT42ABCDEFGH", "12345670"},
      {"UPC-A-Composite", "03600029145", "991234-abcd", "036000291452"},
      {"UPC-E-Composite", "0425261", "991234-abcd", "04252614"},
      {"Databar-Omnidirectional-Composite", "0361234567890", "11991231", "0103612345678904"},
      {"Databar-Truncated-Composite", "0361234567890", "11991231", "0103612345678904"},
      {"Databar-Stacked-Composite", "0361234567890", "11991231", "0103612345678904"},
      {"Databar-StackedOmnidirectional-Composite", "0361234567890", "11991231", "0103612345678904"},
  };
  for (const auto& c : cases) {
    for (const std::string action : {"pngf", "svgf", "pdff"}) {
      const std::string png = WriteAndRasterise({"-type", c.type, "-data", c.data, "-addon", c.component}, action);
      ASSERT_FALSE(png.empty()) << c.type << " " << action;
      const std::vector<Decoded> read = ZbarRead(png);
      ASSERT_EQ(read.size(), 1u) << c.type << " " << action << ": " << Describe(read);
      EXPECT_EQ(read[0].text, c.text) << c.type << " " << action;
    }
  }
}

}  // namespace
}  // namespace kbc::test
