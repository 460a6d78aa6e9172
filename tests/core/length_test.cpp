// Lengths as label printers give them, read into points.
#include <gtest/gtest.h>

#include <optional>

#include "core/length.h"

namespace kbc {
namespace {

TEST(Length, UnitsReadIntoPoints) {
  const struct {
    std::u32string_view text;
    int dpi;
    std::optional<double> points;  // none: refused
  } rows[] = {
      {U"0.33mm", 0, 0.33 * 72 / 25.4}, {U"13 mil", 0, 13 * 0.072},   {U"0.5in", 0, 36},
      {U"2pt", 0, 2},                   {U"2", 0, 2},                 {U"3dots", 203, 3 * 72.0 / 203},
      {U"3dots", 0, 3},                 {U"3cm", 0, std::nullopt},    {U"-1mm", 0, std::nullopt},
      {U"0", 0, std::nullopt},          {U"mm", 0, std::nullopt},     {U"1e999mm", 0, std::nullopt},
      {U"0,5mm", 0, std::nullopt},      {U"2\u00B5m", 0, std::nullopt},
  };
  for (const auto& row : rows) {
    const std::optional<Length> length = ReadLength(row.text);
    ASSERT_EQ(length.has_value(), row.points.has_value()) << std::string(row.text.begin(), row.text.end());
    if (length) {
      EXPECT_NEAR(PointsOf(*length, row.dpi), *row.points, 1e-9);
    }
  }
  EXPECT_EQ(LengthText(0.375372, LengthUnit::Millimetres), "0.375 mm");
  EXPECT_EQ(LengthText(1, LengthUnit::Dots), "1 dot");
}

}  // namespace
}  // namespace kbc
