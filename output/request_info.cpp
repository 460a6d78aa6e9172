#include "output/request_info.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "core/symbology.h"
#include "text/argument_text.h"
#include "text/mac_roman.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// The shortest digits that read back as the same double.
std::string JsonNumber(double value) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return {digits, end};
}

std::string JsonNullable(const std::optional<std::string>& value) { return value ? *value : "null"; }

// The 2-D symbols carry bytes, one character each: shown as the text they
// spell when they are UTF-8, as the documents show typed data.
std::string ShownEncoding(const BarcodeSettings& settings, const std::u32string& encoded) {
  if (TakesBytes(settings.symbology)) {
    const std::optional<std::string> bytes = EncodeMacRoman(encoded);
    if (const auto typed = bytes ? DecodeStrictUtf8(*bytes) : std::nullopt) return ToUtf8(*typed);
  }
  return ToUtf8(encoded);
}

// A GTIN or SSCC given short is carried padded with zeros in front to its full
// length, as its symbol draws it; the encoder keeps the digits as given, which
// its warnings compare with the data.
std::u32string Carried(const BarcodeSettings& settings, const std::u32string& encoded) {
  const CarriedCheck carried = SymbologyRowOf(settings.symbology).carriedCheck;
  const bool digits = std::ranges::all_of(encoded, [](char32_t c) { return c >= U'0' && c <= U'9'; });
  if (carried.rule != CheckRule::Gs1Mod10 || !digits || encoded.size() >= carried.length) return encoded;
  return std::u32string(carried.length - encoded.size(), U'0') + encoded;
}

// The check digits the data ends in where a numbering scheme adds them: the
// symbol computes them (EAN, UPC, PZN, DataBar) or keeps those given (EAN-14,
// EAN-18, ITF-14). The check characters of the symbol alone (Code 128's,
// Code 93's) number nothing and are left out.
std::string CheckDigits(const BarcodeSettings& settings, const std::u32string& encoded) {
  const SymbologyRow& row = SymbologyRowOf(settings.symbology);
  const bool numbered = row.replacesCheckDigit || row.carriedCheck.rule != CheckRule::None;
  return numbered && !encoded.empty() ? ToUtf8(encoded.substr(encoded.size() - 1)) : std::string();
}

}  // namespace

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out + '"';
}

std::string RequestInfoJson(const BarcodeSettings& settings, const DataCheck& check,
                            std::optional<std::pair<int, int>> bitmapSides, std::span<const std::string> warnings,
                            std::string_view refusal) {
  const std::string_view name = SymbologyName(settings.symbology);
  std::optional<std::string> data, checkDigits, text, addOn, width, height, wide, high, xDimension;
  if (check) {
    const EncodedSymbol& symbol = check->symbol;
    const double factor = settings.scale / 100;
    const Rect placed = Turned(check->image, settings.quarterTurns);
    const std::u32string encoded = Carried(settings, symbol.encoded);
    data = JsonString(ShownEncoding(settings, encoded));
    checkDigits = JsonString(CheckDigits(settings, encoded));
    // The human-readable text is what the layout writes, mark after mark.
    text = JsonString(ToUtf8(check->layout.characters));
    addOn = JsonString(ToUtf8(symbol.addOn));
    width = JsonNumber(placed.width);
    height = JsonNumber(placed.height);
    xDimension = JsonNumber(SymbologyRowOf(settings.symbology).moduleUnits * factor);
    if (bitmapSides) {
      wide = std::to_string(bitmapSides->first);
      high = std::to_string(bitmapSides->second);
    }
  }
  std::string warningList;
  for (const std::string& warning : warnings) warningList += (warningList.empty() ? "" : ",") + JsonString(warning);
  return "{\"type\":" + JsonNullable(name.empty() ? std::nullopt : std::optional(JsonString(name))) +
         ",\"data\":" + JsonNullable(data) + ",\"checkDigits\":" + JsonNullable(checkDigits) +
         ",\"text\":" + JsonNullable(text) + ",\"addOn\":" + JsonNullable(addOn) +
         ",\"widthPt\":" + JsonNullable(width) + ",\"heightPt\":" + JsonNullable(height) +
         ",\"widthDots\":" + JsonNullable(wide) + ",\"heightDots\":" + JsonNullable(high) +
         ",\"xDimensionPt\":" + JsonNullable(xDimension) + ",\"warnings\":[" + warningList +
         "],\"refusal\":" + JsonNullable(refusal.empty() ? std::nullopt : std::optional(JsonString(refusal))) + "}";
}

}  // namespace kbc
