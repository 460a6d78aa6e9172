#include "output/metadata.h"

#include <algorithm>

#include "core/symbology.h"
#include "core/string_ops.h"

namespace kbc {
namespace {

std::u32string NameDataAddon(const BarcodeSettings& s) {
  std::u32string text;
  AppendSymbologyName(text, s.symbology);
  text += U' ';
  text += s.data;
  text += U' ';
  text += s.addon;
  const auto end = std::find_if_not(text.rbegin(), text.rend(), IsTrimmedWhiteSpace).base();
  text.erase(end, text.end());
  return text;
}

}  // namespace

void EscapeControlChars(std::u32string& text) {
  ReplaceAll(text, U"\n", U"\\n");
  ReplaceAll(text, U"\r", U"\\r");
  ReplaceAll(text, U"\t", U"\\t");
  ReplaceAll(text, U"\v", U"\\v");
  ReplaceAll(text, U"\f", U"\\f");
}

std::u32string BuildMetadataText(const BarcodeSettings& settings) {
  std::u32string text = NameDataAddon(settings);
  EscapeControlChars(text);
  return text;
}

std::u32string BuildEpsMetadata(const BarcodeSettings& settings) {
  std::u32string text(1, U'\u00AB');
  text += NameDataAddon(settings);
  text += U'\u00BB';
  EscapeControlChars(text);
  return text;
}

}  // namespace kbc
