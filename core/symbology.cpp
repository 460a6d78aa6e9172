#include "core/symbology.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/settings.h"

namespace kbc {

const SymbologyRow& SymbologyRowOf(SymbologyType code) { return kSymbologies[IsSymbology(code) ? code : 0]; }

std::string_view SymbologyName(SymbologyType code) { return SymbologyRowOf(code).name; }

SymbologyType SymbologyFromName(std::u32string_view name) {
  for (SymbologyType code = 1; code <= kSymbologyCount; ++code) {
    if (std::ranges::equal(kSymbologies[code].name, name, [](char a, char32_t b) { return char32_t(a) == b; })) {
      return code;
    }
  }
  return kNoSymbology;
}

void AppendSymbologyName(std::u32string& text, SymbologyType code) {
  for (const char c : SymbologyName(code)) text.push_back(char32_t(c));
}

bool HasGs1Mode(SymbologyType code) { return SymbologyRowOf(code).encodeGs1 != nullptr; }

// Only the 2-D shapes turn escapes into control characters: they take bytes.
bool TakesBytes(SymbologyType code) { return SymbologyRowOf(code).shape.prepare == Prepare::Unescape; }

HeightRule HeightRuleFor(SymbologyType symbology) { return SymbologyRowOf(symbology).height; }

int CappedHeight(double baseHeight, double trimCap, double trim) {
  const double height = std::trunc(baseHeight - std::min(trim, trimCap));
  // A trim that is not a number leaves no height to draw.
  if (std::isnan(height)) return 0;
  return int(std::clamp(height, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

int ImageHeight(SymbologyType symbology, double trim) {
  const HeightRule rule = HeightRuleFor(symbology);
  return CappedHeight(rule.baseHeight, rule.trimCap, trim);
}

SideMargins MarginsFor(const BarcodeSettings& settings) {
  const int m = settings.margin;
  if (settings.quietZones == 0) return {m, m, m, m};
  const SymbologyRow& row = SymbologyRowOf(settings.symbology);
  const QuietZone& zone = row.quietZone;
  // The retail encoders draw an add-on of 1 to 5 digits and none of more.
  const bool addOn = row.shape.addOn == AddOnRule::CutDigits && !settings.addon.empty() && settings.addon.size() <= 5;
  return {m + zone.left, m + (addOn ? zone.addOnRight : zone.right), m + zone.top, m + zone.bottom};
}

}  // namespace kbc
