#include "core/settings.h"

#include <algorithm>

#include "core/string_ops.h"
#include "core/symbology.h"

namespace kbc {
namespace {

void Prepared(std::u32string& s, Prepare prepare) {
  switch (prepare) {
    case Prepare::None:
      break;
    case Prepare::Trim:
      TrimWhiteSpace(s);
      break;
    case Prepare::TrimAndRemoveSpaces:
      TrimAndRemoveAll(s, U' ');
      break;
    case Prepare::Unescape:
      UnescapeControlChars(s);
      break;
  }
}

// Spaces and hyphens only separate groups of digits; white space at the ends
// is never seen in the symbol either.
bool CarriesData(char32_t c) { return c != U' ' && c != U'-' && !IsTrimmedWhiteSpace(c); }

// The filter keeps a subsequence: walking both strings finds what it removed,
// as a removed character never equals a kept one.
void FilterReporting(std::u32string& data, CharacterClass keep, std::u32string& dropped) {
  const std::u32string before = data;
  FilterCharacters(data, keep);
  std::size_t kept = 0;
  for (const char32_t c : before) {
    if (kept < data.size() && data[kept] == c) {
      ++kept;
    } else if (CarriesData(c)) {
      dropped += c;
    }
  }
}

// What a cut removes is reported only when it held more than separators.
void CutReporting(std::u32string& data, std::size_t length, Spaces spaces, std::u32string& cutOff) {
  const std::u32string before = data;
  CutAtSpaceAndTruncate(data, length, spaces);
  const std::u32string_view removed = std::u32string_view(before).substr(data.size());
  if (std::ranges::any_of(removed, CarriesData)) cutOff = removed;
}

}  // namespace

BarcodeSettings InitSettings() { return BarcodeSettings{}; }

ShapingReport ShapeDataForType(BarcodeSettings& settings) {
  ShapingReport report;
  if (!IsSymbology(settings.symbology)) return report;
  const DataShape& shape = SymbologyRowOf(settings.symbology).shape;
  std::u32string& data = settings.data;
  Prepared(data, shape.prepare);
  // Length first, then the character filter, for most types: separators inside
  // the first n characters reduce the characters kept.
  if (shape.keep && shape.order == FilterOrder::FilterThenCut) FilterReporting(data, *shape.keep, report.dropped);
  CutReporting(data, shape.length, shape.spaces, report.cutOff);
  if (shape.keep && shape.order == FilterOrder::CutThenFilter) FilterReporting(data, *shape.keep, report.dropped);

  std::u32string& addon = settings.addon;
  switch (shape.addOn) {
    case AddOnRule::Clear:
      if (std::ranges::any_of(addon, CarriesData)) report.addOnUnused = addon;
      addon.clear();
      break;
    case AddOnRule::Keep:
      break;
    case AddOnRule::CutDigits:
      CutReporting(addon, shape.addOnLength, shape.spaces, report.addOnCutOff);
      FilterReporting(addon, CharacterClass::Digits, report.addOnDropped);
      break;
  }
  return report;
}

}  // namespace kbc
