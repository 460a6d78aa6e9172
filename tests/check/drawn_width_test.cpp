// The data check's width equals the width the renderer draws, over random data
// for the symbologies whose width depends on it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "check/validate.h"
#include "core/symbology.h"

namespace kbc {
namespace {

// The image width the renderer gives the SVG document.
double SvgWidth(const std::string& svg) {
  const std::size_t at = svg.find("\twidth=\"");
  return at == std::string::npos ? -1 : std::stod(svg.substr(at + 8));
}

// Characters from the alphabet, or when it is empty any code up to 129.
std::u32string RandomData(std::mt19937& random, std::u32string_view alphabet, std::size_t maxLength) {
  std::u32string data(1 + random() % maxLength, U' ');
  for (char32_t& c : data) c = alphabet.empty() ? char32_t(random() % 130) : alphabet[random() % alphabet.size()];
  return data;
}

TEST(DrawnWidth, EqualsTheCheckedWidthForRandomData) {
  const struct {
    SymbologyType type;
    std::u32string_view alphabet;
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
      settings.data = RandomData(random, row.alphabet, row.maxLength);
      const std::string name(SymbologyName(row.type));
      const std::optional<Rect> image = ValidateBarcodeData(settings);
      ASSERT_TRUE(image.has_value()) << name << " run " << run;

      std::string svg;
      settings.svgText = &svg;
      SymbologyRowOf(row.type).renderer(nullptr, settings);
      ASSERT_EQ(SvgWidth(svg), image->width) << name << " run " << run;
    }
  }
}

}  // namespace
}  // namespace kbc
