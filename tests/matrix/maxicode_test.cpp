// MaxiCode drawn as hexagons round the finder's rings, read back by ZXingReader
// from PNG, SVG and PDF; the carrier message of modes 2 and 3 comes back as given.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "core/settings.h"
#include "matrix/maxicode.h"
#include "support/decoders.h"
#include "support/output_files.h"
#include "text/utf8.h"

namespace kbc::test {
namespace {

struct ReadCase {
  std::string name;
  std::string mode;
  std::string data;
  std::string identifier;  // ISO/IEC 15424: ]U0 for modes 4 and 5, ]U1 for 2 and 3
};

// A UPS label's message (ANSI MH10.8.3 format 01, version 96): postcode,
// country 840 and service 001 go into the primary message.
const std::string kUps =
    "[)>\x1e" "01\x1d" "96152382802\x1d" "840\x1d" "001\x1d" "1Z00004951\x1dUPSN\x1d" "06X610\x1d" "159\x1d"
    "1234567\x1d" "1/1\x1d\x1dY\x1d" "634 ALPHA DR\x1dPITTSBURGH\x1dPA\x1e\x04";

const ReadCase kReadCases[] = {
    {"Mode4", "4", "Parcel 42 / Gate B", "]U0"},
    {"Mode5", "5", "Lot 2027-001", "]U0"},
    {"Mode2Ups", "2", kUps, "]U1"},
    {"Mode2WithoutHeader", "2", "06810\x1d" "276\x1d" "002\x1dSHIP TO 7", "]U1"},
    {"Mode3", "3", "SW1A1A\x1d" "826\x1d" "001\x1dPARCEL", "]U1"},
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class MaxiCodeReads : public testing::TestWithParam<ReadCase> {};

TEST_P(MaxiCodeReads, ZxingReadsPngSvgAndPdf) {
  const ReadCase& c = GetParam();
  for (const std::string action : {"pngf", "svgf", "pdff"}) {
    const std::string png = WriteAndRasterise(
        {"-type", "MaxiCode", "-maxicode-mode", c.mode, "-data", c.data, "-quietzones", "1"}, action);
    ASSERT_FALSE(png.empty()) << action;
    const std::vector<Decoded> read = ZxingRead(png, {"-ispure"});
    ASSERT_EQ(read.size(), 1u) << action << ": " << Describe(read);
    EXPECT_EQ(read[0].bytes, c.data) << action;
    EXPECT_EQ(read[0].identifier, c.identifier) << action;
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, MaxiCodeReads, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return info.param.name; });

struct RefusalCase {
  std::string name;
  int mode;
  std::u32string data;
  std::string reason;  // a part of the refusal
};

const RefusalCase kRefusals[] = {
    {"NoSeparators", 2, U"152382802 840 001", "begins with the carrier message"},
    {"TwoFieldsOnly", 2, U"152382802\x1d" U"840\x1d", "begins with the carrier message"},
    {"LettersInMode2", 2, U"SW1A1A\x1d" U"826\x1d" U"001\x1d", "1 to 9 digits"},
    {"TenDigitPostcode", 2, U"1523828021\x1d" U"840\x1d" U"001\x1d", "1 to 9 digits"},
    {"SevenCharacterPostcode", 3, U"SW1A1AA\x1d" U"826\x1d" U"001\x1d", "1 to 6 capital letters"},
    {"LowerCaseInMode3", 3, U"sw1a1a\x1d" U"826\x1d" U"001\x1d", "1 to 6 capital letters"},
    {"TwoDigitCountry", 2, U"152382802\x1d" U"84\x1d" U"001\x1d", "3 digits each"},
    {"LetterInService", 2, U"152382802\x1d" U"840\x1d" U"0A1\x1d", "3 digits each"},
};

TEST(MaxiCode, MalformedCarrierMessagesAreRefusedWithTheirReason) {
  for (const RefusalCase& c : kRefusals) {
    SymbolOptions options;
    options.maxiCodeMode = c.mode;
    const Result<EncodedSymbol> encoded = EncodeMaxiCode(c.data, U"", options);
    ASSERT_FALSE(encoded) << c.name;
    EXPECT_NE(encoded.refusal.find(c.reason), std::string::npos) << c.name << ": " << encoded.refusal;
  }
}

// The finder's rings are the standard's, and it needs its light surround: no
// dark hexagon may reach into the outer ring, whatever the data and mode.
TEST(MaxiCode, FinderHasTheStandardsRingsAndNoHexagonReachesIn) {
  const std::pair<int, std::u32string> symbols[] = {
      {4, std::u32string(93, U'Z')}, {4, U"0123456789012345678901234567890123456789"}, {5, U"x"}, {2, FromUtf8(kUps)}};
  for (const auto& [mode, data] : symbols) {
    SymbolOptions options;
    options.maxiCodeMode = mode;
    const Result<EncodedSymbol> encoded = EncodeMaxiCode(data, U"", options);
    ASSERT_TRUE(encoded) << encoded.refusal;
    DrawList list;
    RenderMaxiCode(list, InitSettings(), *encoded);
    std::vector<DrawList::Ring> rings;
    std::vector<DrawList::Hexagon> hexagons;
    for (const DrawList::Mark& mark : list.marks) {
      if (const auto* ring = std::get_if<DrawList::Ring>(&mark)) rings.push_back(*ring);
      if (const auto* hexagon = std::get_if<DrawList::Hexagon>(&mark)) hexagons.push_back(*hexagon);
    }
    ASSERT_EQ(rings.size(), 3u);
    // ISO/IEC 16023 Table 8: the transitions R6 to R1 in mm at the nominal
    // pitch W of 0.88 mm, the dark rings from R6 to R5, R4 to R3, R2 to R1.
    constexpr double kTransitionsMm[6] = {3.87, 3.20, 2.53, 1.86, 1.18, 0.51};
    for (std::size_t r = 0; r < 3; ++r) {
      EXPECT_NEAR(rings[r].radius / kMaxiCodePitch * 0.88, kTransitionsMm[2 * r], 1e-9) << "ring " << r;
      EXPECT_NEAR(rings[r].hole / kMaxiCodePitch * 0.88, kTransitionsMm[2 * r + 1], 1e-9) << "ring " << r;
    }
    EXPECT_GT(hexagons.size(), 200u);
    for (const DrawList::Hexagon& h : hexagons) {
      const double gap = std::hypot(h.centre.x - rings[0].centre.x, h.centre.y - rings[0].centre.y) - h.radius;
      EXPECT_GT(gap, rings[0].radius) << "hexagon at " << h.centre.x << ", " << h.centre.y;
      // Upright sides are √3/2 of the radius from the centre.
      constexpr double kSlack = 1e-9;
      const double across = h.radius * std::sqrt(3.0) / 2;
      EXPECT_TRUE(h.centre.x - across >= -kSlack && h.centre.x + across <= list.width + kSlack &&
                  h.centre.y - h.radius >= -kSlack && h.centre.y + h.radius <= list.height + kSlack)
          << "hexagon at " << h.centre.x << ", " << h.centre.y << " outside " << list.width << " x " << list.height;
    }
  }
}

}  // namespace
}  // namespace kbc::test
