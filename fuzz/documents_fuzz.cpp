// The whole render of every drawn symbology into EPS and SVG text, with random
// settings. Refused data leaves both documents empty; drawn data gives both,
// sized as the data check says, with no byte that breaks either format.
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dispatch/data_check.h"
#include "fuzz/fuzz_input.h"
#include "render/draw_list_targets.h"
#include "text/mac_roman.h"
#include "text/utf8.h"

namespace kbc::fuzz {
namespace {

BarcodeSettings RandomSettings(FuzzInput& input) {
  BarcodeSettings s = InitSettings();
  // A byte naming no symbology stands for one that is.
  const auto& drawn = DrawnSymbologies();
  const SymbologyType code = input.Byte() % (kSymbologyCount + 1);
  s.symbology = IsSymbology(code) ? code : drawn[code % drawn.size()];
  s.scale = 50 + input.Number(100);
  s.trim = input.Number(100);
  s.fontSize = input.Between(0, 96);
  s.colourMode = input.Byte() % 3;
  for (double& c : s.foreground) c = input.Between(0, 1);
  for (double& c : s.background) c = input.Between(0, 1);
  s.opaqueBackground = input.Byte() % 2;
  s.antialiasOff = input.Byte() % 2;
  s.fontSmoothOff = input.Byte() % 2;
  s.fontName = DecodeMacRoman(input.Bytes(12));
  s.displayText = DecodeMacRoman(input.Bytes(24));
  s.addon = DecodeMacRoman(input.Bytes(12));
  s.data = DecodeMacRoman(input.Rest());
  UnescapeControlChars(s.data);
  return s;
}

// The number after `key` in the document, NaN when the key is missing.
double NumberAfter(const std::string& text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

// XML 1.0 takes no C0 control character but tab, line feed and carriage return.
bool HasOnlyXmlCharacters(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') return false;
  }
  return true;
}

// Control characters in PostScript strings are octal escapes; none stands raw.
bool HasNoRawControlCharacters(std::string_view text) { return HasOnlyXmlCharacters(text); }

bool IsUtf8(const std::string& text) { return ToUtf8(FromUtf8(text)) == text; }

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  using fuzz::Require;
  fuzz::FuzzInput input(data, size);
  BarcodeSettings settings = fuzz::RandomSettings(input);
  ShapeDataForType(settings);
  const DataCheck check = CheckBarcodeData(settings);

  std::string eps, svg;
  if (check) {
    AppendEpsDrawing(check->layout, settings, eps);
    AppendSvgDrawing(check->layout, settings, svg);
  }

  if (!check) {
    Require(eps.empty() && svg.empty(), "refused data gives no document");
    return 0;
  }
  Require(!eps.empty() && !svg.empty(), "drawable data gives both documents");
  Require(fuzz::IsUtf8(svg) && fuzz::IsUtf8(eps), "documents are UTF-8");
  Require(fuzz::HasOnlyXmlCharacters(svg), "the SVG holds only XML characters");
  Require(fuzz::HasNoRawControlCharacters(eps), "the EPS holds no raw control character");
  Require(svg.ends_with("</svg>\n") || svg.ends_with("</svg>"), "the SVG is closed");

  // Sizes are written narrowed to single precision with two or four decimals.
  const Rect& image = check->image;
  Require(std::abs(fuzz::NumberAfter(svg, "\twidth=\"") - image.width) < 0.01, "SVG width = checked width");
  Require(std::abs(fuzz::NumberAfter(svg, "\theight=\"") - image.height) < 0.01, "SVG height = checked height");
  Require(std::abs(fuzz::NumberAfter(eps, "%%BoundingBox: 0 0 ") - image.width) < 0.01, "EPS width = checked width");
  return 0;
}
