// Lengths as label printers are specified: millimetres, inches, mils
// (thousandths of an inch), points, or dots of the printer's resolution.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kbc {

enum class LengthUnit : unsigned char { Points, Millimetres, Inches, Mils, Dots };

struct Length {
  double value = 0;  // not given when 0
  LengthUnit unit = LengthUnit::Points;

  bool Given() const { return value > 0; }
};

inline constexpr double kPointsPerInch = 72;
inline constexpr double kMillimetresPerInch = 25.4;

// A positive number followed by mm, in, mil, pt or dots; a bare number is
// points. Nothing for anything else.
std::optional<Length> ReadLength(std::u32string_view text);

// In points; a dot is 1/dpi inch, or one point without a resolution.
double PointsOf(const Length& length, int dpi);

// Points in the length's own unit.
double InUnit(double points, LengthUnit unit, int dpi);

// "0.33 mm", "13 mil", "3 dots": a value in a unit, to at most three places.
std::string LengthText(double value, LengthUnit unit);

}  // namespace kbc
