#include "core/settings.h"

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

}  // namespace

BarcodeSettings InitSettings() { return BarcodeSettings{}; }

void ShapeDataForType(BarcodeSettings& settings) {
  if (!IsSymbology(settings.symbology)) return;
  const DataShape& shape = SymbologyRowOf(settings.symbology).shape;
  std::u32string& data = settings.data;
  Prepared(data, shape.prepare);
  // Length first, then the character filter, for most types: separators inside
  // the first n characters reduce the characters kept.
  if (shape.keep && shape.order == FilterOrder::FilterThenCut) FilterCharacters(data, *shape.keep);
  CutAtSpaceAndTruncate(data, shape.length, shape.spaces);
  if (shape.keep && shape.order == FilterOrder::CutThenFilter) FilterCharacters(data, *shape.keep);

  switch (shape.addOn) {
    case AddOnRule::Clear:
      settings.addon.clear();
      break;
    case AddOnRule::Keep:
      break;
    case AddOnRule::CutDigits:
      CutAtSpaceAndTruncate(settings.addon, shape.addOnLength, shape.spaces);
      FilterCharacters(settings.addon, CharacterClass::Digits);
      break;
  }
}

}  // namespace kbc
