// Colours for the RGB-only outputs. Grey g becomes (g, g, g): grey 0 is black
// in the settings record, and stays black in a PNG, JPEG or PDF file.
#include <gtest/gtest.h>

#include "output/colour_conversion.h"

namespace kbc {
namespace {

TEST(WithRgbColours, EveryMode) {
  const std::tuple<const char*, std::uint32_t, ColourComponents, ColourComponents> rows[] = {
      {"grey black", kColourGrey, {0, 1, 0, 0, 0}, {0, 0, 0, 1, 0}},
      {"grey 0.2 with alpha 0.5", kColourGrey, {0.2, 0.5, 0.7, 0.7, 0.7}, {0.2, 0.2, 0.2, 0.5, 0}},
      {"unknown mode reads as grey", 3, {0.25, 1, 0, 0, 0}, {0.25, 0.25, 0.25, 1, 0}},
      {"RGB kept, component 5 cleared", kColourRgb, {0.1, 0.2, 0.3, 0.4, 0.9}, {0.1, 0.2, 0.3, 0.4, 0}},
      {"CMYK by (1 - C)(1 - K)", kColourCmyk, {0.5, 0, 1, 0.2, 0.8}, {0.4, 0.8, 0, 0.8, 0}},
  };
  for (const auto& [what, mode, components, expected] : rows) {
    BarcodeSettings given = InitSettings();
    given.colourMode = mode;
    given.foreground = given.background = components;
    const BarcodeSettings settings = WithRgbColours(given);
    EXPECT_EQ(settings.colourMode, std::uint32_t(kColourRgb)) << what;
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_DOUBLE_EQ(settings.foreground[i], expected[i]) << what << " component " << i + 1;
      EXPECT_DOUBLE_EQ(settings.background[i], expected[i]) << what << " component " << i + 1;
    }
  }
}

}  // namespace
}  // namespace kbc
