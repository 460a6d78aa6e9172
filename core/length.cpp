#include "core/length.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kbc {
namespace {

struct UnitName {
  std::string_view suffix;
  LengthUnit unit;
};

// Longest first, so that "mil" is not read as "m".
constexpr std::array<UnitName, 5> kUnitNames = {{
    {"dots", LengthUnit::Dots},
    {"mil", LengthUnit::Mils},
    {"mm", LengthUnit::Millimetres},
    {"in", LengthUnit::Inches},
    {"pt", LengthUnit::Points},
}};

double PointsPerUnit(LengthUnit unit, int dpi) {
  switch (unit) {
    case LengthUnit::Millimetres:
      return kPointsPerInch / kMillimetresPerInch;
    case LengthUnit::Inches:
      return kPointsPerInch;
    case LengthUnit::Mils:
      return kPointsPerInch / 1000;
    case LengthUnit::Dots:
      return dpi > 0 ? kPointsPerInch / dpi : 1;
    case LengthUnit::Points:
      break;
  }
  return 1;
}

}  // namespace

std::optional<Length> ReadLength(std::u32string_view text) {
  std::string ascii;
  for (const char32_t c : text) {
    if (c > 0x7E) return std::nullopt;
    if (c != U' ') ascii.push_back(char(c));
  }
  Length length;
  std::string_view number = ascii;
  for (const UnitName& name : kUnitNames) {
    if (number.ends_with(name.suffix)) {
      number.remove_suffix(name.suffix.size());
      length.unit = name.unit;
      break;
    }
  }
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), length.value);
  if (number.empty() || error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  if (!std::isfinite(length.value) || !(length.value > 0)) return std::nullopt;
  return length;
}

double PointsOf(const Length& length, int dpi) { return length.value * PointsPerUnit(length.unit, dpi); }

double InUnit(double points, LengthUnit unit, int dpi) { return points / PointsPerUnit(unit, dpi); }

std::string LengthText(double value, LengthUnit unit) {
  char number[32];
  std::snprintf(number, sizeof number, "%.3f", value);
  std::string text = number;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (unit == LengthUnit::Dots && text == "1") return "1 dot";
  for (const UnitName& name : kUnitNames) {
    if (name.unit == unit) return text + ' ' + std::string(name.suffix);
  }
  return text;
}

}  // namespace kbc
