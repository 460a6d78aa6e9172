#include "output/metadata.h"

#include <algorithm>

#include "core/string_ops.h"
#include "core/symbology.h"
#include "text/argument_text.h"
#include "text/mac_roman.h"

namespace kbc {
namespace {

// Data typed as UTF-8 reaches the 2-D symbols as its bytes; the documents
// show the characters typed, unless the cut split one.
std::u32string ShownData(const BarcodeSettings& s) {
  if (!s.dataUtf8 || !TakesBytes(s.symbology)) return s.data;
  const std::optional<std::string> bytes = EncodeMacRoman(s.data);
  std::optional<std::u32string> typed = bytes ? DecodeStrictUtf8(*bytes) : std::nullopt;
  return typed ? std::move(*typed) : s.data;
}

std::u32string NameDataAddon(const BarcodeSettings& s) {
  std::u32string text;
  AppendSymbologyName(text, s.symbology);
  text += U' ';
  text += ShownData(s);
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
