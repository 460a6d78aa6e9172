// The added linear and postal types, which libzint encodes and our frames draw:
// read back by ZXingReader from PNG, SVG and PDF where it reads them, and the
// bars of the others equal to bwip-js's for the same data.
#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "matrix/added_symbologies.h"
#include "support/decoders.h"
#include "support/npm_oracles.h"
#include "support/output_files.h"

namespace kbc::test {
namespace {

struct ReadCase {
  std::string name;
  std::string type;
  std::string data;
  std::string text;  // what the reader gives back
  std::string identifier;
};

const ReadCase kReadCases[] = {
    {"LOGMARS", "LOGMARS", "ABC-123", "ABC-123", "]A0"},
    // ANSI/HIBC LIC: "+", the data, the modulo-43 check ("+A123BJC5D6E71": 145 mod 43 = 16, "G").
    {"HIBC_39", "HIBC-39", "A123BJC5D6E71", "+A123BJC5D6E71G", "]A0"},
    {"HIBC_128", "HIBC-128", "A123BJC5D6E71", "+A123BJC5D6E71G", "]C0"},
    // ISO 3779 / 49 CFR 565: a VIN with its check digit X in position 9.
    {"VIN", "VIN", "1M8GDM9AXKP042788", "1M8GDM9AXKP042788", "]A0"},
    {"DPD", "DPD", "%000393206219912345678101040", "%000393206219912345678101040", "]C0"},
    // Deutsche Post: weights 4 and 9 from the left, 179 in all, check digit 1.
    {"Leitcode", "Leitcode", "2131260313112", "21312603131121", "]I0"},
};

// gtest shows a case by its name instead of dumping the record's bytes.
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class AddedBarsReads : public testing::TestWithParam<ReadCase> {};

TEST_P(AddedBarsReads, ZxingReadsPngSvgAndPdf) {
  const ReadCase& c = GetParam();
  for (const std::string action : {"pngf", "svgf", "pdff"}) {
    const std::string png = WriteAndRasterise({"-type", c.type, "-data", c.data, "-quietzones", "1"}, action);
    ASSERT_FALSE(png.empty()) << action;
    const std::vector<Decoded> read = ZxingRead(png);
    ASSERT_EQ(read.size(), 1u) << action << ": " << Describe(read);
    EXPECT_EQ(read[0].text, c.text) << action;
    EXPECT_EQ(read[0].identifier, c.identifier) << action;
  }
}

INSTANTIATE_TEST_SUITE_P(Readers, AddedBarsReads, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return info.param.name; });

// Each element narrow ('n') or wide ('w'): the two encoders draw wide elements
// at different ratios, which the standards leave open.
std::string NarrowWide(const std::vector<int>& widths) {
  const int narrow = *std::ranges::min_element(widths);
  std::string pattern;
  for (const int width : widths) pattern += width == narrow ? 'n' : 'w';
  return pattern;
}

std::vector<int> Widths(std::string_view list) {
  std::vector<int> widths;
  for (std::size_t at = 0; at < list.size();) {
    std::size_t end = list.find(',', at);
    if (end == list.npos) end = list.size();
    widths.push_back(std::stoi(std::string(list.substr(at, end - at))));
    at = end + 1;
  }
  return widths;
}

enum class Compare { Widths, NarrowWide, BarsNarrowWide };

std::vector<int> BarsOnly(const std::vector<int>& elements) {
  std::vector<int> bars;
  for (std::size_t i = 0; i < elements.size(); i += 2) bars.push_back(elements[i]);
  return bars;
}

struct BarsCase {
  std::string name;
  Encoder encode;
  std::u32string data;
  std::string bwipEncoder;
  std::string bwipText;
  std::string bwipOptions;
  Compare compare;
};

const BarsCase kBarsCases[] = {
    // Ten characters and more carry two check characters, C and K (AIM USS Code 11).
    {"Code_11", EncodeAdded<zint::kCode11>, U"0123456789-1", "code11", "0123456789-1", "includecheck", Compare::NarrowWide},
    // A bit is a wide or a narrow bar in a cell of its own; the cells' widths differ.
    {"Plessey", EncodeAdded<zint::kPlessey>, U"01234ABCD", "plessey", "01234ABCD", "", Compare::BarsNarrowWide},
    {"Channel_Code", EncodeAdded<zint::kChannelCode>, U"1234", "channelcode", "1234", "", Compare::Widths},
    {"Channel_Code_three_channels", EncodeAdded<zint::kChannelCode>, U"7", "channelcode", "07", "", Compare::Widths},
};

void PrintTo(const BarsCase& c, std::ostream* out) { *out << c.name; }

class AddedBars : public testing::TestWithParam<BarsCase> {};

TEST_P(AddedBars, BarsEqualBwipJs) {
  const BarsCase& c = GetParam();
  const Result<EncodedSymbol> ours = c.encode(c.data, U"", SymbolOptions{});
  ASSERT_TRUE(ours) << ours.refusal;
  const std::string theirs = BwipRaw(c.bwipEncoder, c.bwipText, c.bwipOptions);
  ASSERT_TRUE(theirs.starts_with("bars ")) << theirs;
  std::vector<int> expected = Widths(std::string_view(theirs).substr(5));
  // bwip-js may end on a space; our elements end on the last bar.
  if (expected.size() % 2 == 0) expected.pop_back();
  const std::vector<int> got(ours->elements.begin(), ours->elements.end());
  switch (c.compare) {
    case Compare::Widths:
      EXPECT_EQ(got, expected);
      break;
    case Compare::NarrowWide:
      EXPECT_EQ(NarrowWide(got), NarrowWide(expected));
      break;
    case Compare::BarsNarrowWide:
      EXPECT_EQ(NarrowWide(BarsOnly(got)), NarrowWide(BarsOnly(expected)));
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(BwipJs, AddedBars, testing::ValuesIn(kBarsCases),
                         [](const auto& info) { return info.param.name; });

struct StatesCase {
  std::string name;
  Encoder encode;
  std::u32string data;
  std::string bwipEncoder;
  std::string bwipText;
};

const StatesCase kStatesCases[] = {
    // Australia Post: an 8-digit DPID alone is format code 11, which bwip-js takes as typed.
    {"AusPost", EncodeAdded<zint::kAusPost>, U"96184209", "auspost", "1196184209"},
    {"AusPost_customer_information", EncodeAdded<zint::kAusPost>, U"39987520ABCDE", "auspost", "5939987520ABCDE"},
    {"KIX", EncodeAdded<zint::kKix>, U"2500GG30250", "kix", "2500GG30250"},
    {"Japan_Post", EncodeAdded<zint::kJapanPost>, U"15400233-16-4-205", "japanpost", "15400233-16-4-205"},
    {"PLANET", EncodeAdded<zint::kPlanet>, U"4012345235636", "planet", "4012345235636"},
};

void PrintTo(const StatesCase& c, std::ostream* out) { *out << c.name; }

class AddedBarStates : public testing::TestWithParam<StatesCase> {};

TEST_P(AddedBarStates, StatesEqualBwipJs) {
  const StatesCase& c = GetParam();
  const Result<EncodedSymbol> ours = c.encode(c.data, U"", SymbolOptions{});
  ASSERT_TRUE(ours) << ours.refusal;
  EXPECT_EQ("states " + std::string(ours->elements.begin(), ours->elements.end()),
            BwipRaw(c.bwipEncoder, c.bwipText));
}

INSTANTIATE_TEST_SUITE_P(BwipJs, AddedBarStates, testing::ValuesIn(kStatesCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kbc::test
