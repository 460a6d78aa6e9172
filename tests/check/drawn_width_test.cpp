// The data check's width equals the width the renderer draws, over random data
// for the symbologies whose width depends on it; every bar lies inside.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "check/validate.h"
#include "core/symbology.h"
#include "support/recording_target.h"

namespace kbc {
namespace {

// The image width the renderer gives the SVG document.
double SvgWidth(const std::string& svg) {
  const std::size_t at = svg.find("\twidth=\"");
  return at == std::string::npos ? -1 : std::stod(svg.substr(at + 8));
}

std::u32string RandomData(std::mt19937& random, std::u32string_view alphabet, std::size_t maxLength) {
  std::u32string data(1 + random() % maxLength, U' ');
  for (char32_t& c : data) c = alphabet[random() % alphabet.size()];
  return data;
}

std::u32string RandomAscii(std::mt19937& random, std::size_t maxLength) {
  std::u32string data(1 + random() % maxLength, U' ');
  for (char32_t& c : data) c = random() % 8 == 0 ? char32_t(U'0' + random() % 10) : char32_t(random() % 130);
  return data;
}

TEST(DrawnWidth, EqualsTheCheckedWidthForRandomData) {
  const struct {
    SymbologyType type;
    std::u32string_view alphabet;  // empty: any ASCII and a little beyond
    std::size_t maxLength;
  } rows[] = {
      {kCode25, U"0123456789", 40},        {kInterleaved25, U"0123456789", 41}, {kItf14, U"0123456789", 14},
      {kItfScc, U"0123456789", 14},        {kIdentcode, U"0123456789", 12},     {kMsi, U"0123456789-", 30},
      {kCodabar, U"0123456789-$:/.+ABCDabcdx", 20},                             {kPharmacode, U"0123456789", 12},
      {kTelepen, U"", 34},                 {kTelepen, U"0123456789", 34},
  };
  std::mt19937 random(20261207);
  for (const auto& row : rows) {
    for (int run = 0; run < 200; ++run) {
      BarcodeSettings settings = InitSettings();
      settings.symbology = row.type;
      settings.showText = 1;
      settings.data = row.alphabet.empty() ? RandomAscii(random, row.maxLength)
                                           : RandomData(random, row.alphabet, row.maxLength);
      const std::string name(SymbologyName(row.type));
      const std::optional<Rect> image = ValidateBarcodeData(settings);
      ASSERT_TRUE(image.has_value()) << name << " run " << run;

      std::string svg;
      settings.svgText = &svg;
      test::RecordingTarget target;
      SymbologyRowOf(row.type).renderer(&target, settings);
      ASSERT_EQ(SvgWidth(svg), image->width) << name << " run " << run;
      for (const test::RecordedCall& bar : target.Only("fillrect")) {
        EXPECT_TRUE(bar.a >= 0 && bar.a + bar.c <= image->width) << name << " bar at " << bar.a;
      }
    }
  }
}

}  // namespace
}  // namespace kbc
