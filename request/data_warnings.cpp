#include "request/data_warnings.h"

#include <algorithm>
#include <optional>

#include "core/string_ops.h"
#include "core/symbology.h"
#include "linear/ean_tables.h"
#include "output/output_formats.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// Long data is shown by its start: the warning must stay a readable line.
constexpr std::size_t kShownCharacters = 40;

std::string Quoted(std::u32string_view text) {
  if (text.size() <= kShownCharacters) return '"' + ToUtf8(text) + '"';
  return '"' + ToUtf8(text.substr(0, kShownCharacters)) + "\"... (" + std::to_string(text.size()) + " characters)";
}

char32_t AsciiUpper(char32_t c) { return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c; }

// Spaces and hyphens separate digits; their loss changes nothing the reader sees.
bool CarriesData(char32_t c) { return c != U' ' && c != U'-'; }

// The characters of `from` that `kept` lacks, when `kept` is what remains of
// `from` after characters were removed, letters put in capitals aside;
// nothing when it was changed otherwise (padded, completed with start and
// stop letters).
std::optional<std::u32string> RemovedFrom(std::u32string_view from, std::u32string_view kept) {
  std::u32string removed;
  std::size_t next = 0;
  for (const char32_t c : from) {
    if (next < kept.size() && AsciiUpper(kept[next]) == AsciiUpper(c)) {
      ++next;
    } else {
      removed += c;
    }
  }
  if (next < kept.size()) return std::nullopt;
  return removed;
}

std::u32string RemovedCharacters(std::u32string_view from, std::u32string_view kept) {
  std::optional<std::u32string> removed = RemovedFrom(from, kept);
  // The start and stop stars Code 39 adds where the data lacks them.
  if (!removed && kept.size() >= 2 && kept.front() == U'*' && kept.back() == U'*') {
    for (const std::u32string_view unstarred :
         {kept.substr(0, kept.size() - 1), kept.substr(1), kept.substr(1, kept.size() - 2)}) {
      if ((removed = RemovedFrom(from, unstarred))) break;
    }
  }
  if (!removed) return {};
  std::erase_if(*removed, [](char32_t c) { return !CarriesData(c); });
  return *removed;
}

// The check character the data carries where the symbol does not replace it,
// when it differs from the computed one: "the check digit 1 is not the computed 9".
std::string CarriedCheckChange(const CarriedCheck& carried, std::u32string_view given, std::u32string_view data) {
  if (carried.rule == CheckRule::None || data.size() != carried.length) return {};
  const std::u32string_view body = data.substr(0, data.size() - 1);
  if (!std::ranges::all_of(body, IsAsciiDigit)) return {};
  const char32_t last = AsciiUpper(data.back());
  char32_t computed = 0;
  if (carried.rule == CheckRule::Gs1Mod10) {
    // Short data is padded in front, so its last digit is only a check digit when all were given.
    if (std::ranges::count_if(given, IsAsciiDigit) != std::ptrdiff_t(carried.length)) return {};
    computed = char32_t(U'0' + EanCheckDigit(body));
  } else {
    if (!IsAsciiDigit(last) && last != U'X') return {};
    computed = BookNumberCheckCharacter(body);
  }
  if (last == computed) return {};
  return "the check digit " + ToUtf8(std::u32string(1, last)) + " is not the computed " +
         ToUtf8(std::u32string(1, computed));
}

// Which colour component holds the alpha in each colour mode (index from 0).
std::size_t AlphaIndex(std::uint32_t colourMode) {
  return colourMode == kColourCmyk ? 4 : colourMode == kColourRgb ? 3 : 1;
}

}  // namespace

std::optional<std::string> DataChangeWarning(std::u32string_view given, const ShapingReport& shaping,
                                             const BarcodeSettings& shaped, const DataCheck& check) {
  if (!check) return std::nullopt;
  const SymbologyRow& row = SymbologyRowOf(shaped.symbology);

  // Retail symbols cut their data to the digits before the check digit: that
  // cut is reported as a replaced check digit, not as a loss.
  const std::u32string& encoded = check->symbol.encoded;
  std::u32string_view data = shaped.data;
  std::u32string dropped = shaping.dropped;
  std::u32string cutOff = shaping.cutOff;
  // An element string loses its brackets by design; only what shaping cut
  // off it is a loss.
  const bool readsGs1 = shaped.gs1 == 1 && HasGs1Mode(shaped.symbology);
  if (!row.replacesCheckDigit && !readsGs1) dropped += RemovedCharacters(data, encoded);
  // Digits beyond the symbol's length and its check digit (Code 32 takes nine
  // of the ten digits it accepts) are lost to the symbol.
  if (row.replacesCheckDigit && !encoded.empty() && data.size() > encoded.size() &&
      data.starts_with(std::u32string_view(encoded).substr(0, encoded.size() - 1))) {
    cutOff = std::u32string(data.substr(encoded.size())) + cutOff;
    data = data.substr(0, encoded.size());
  }
  std::string changes;
  if (!dropped.empty()) changes += "dropped " + Quoted(dropped);
  if (!cutOff.empty()) changes += (changes.empty() ? "cut off " : ", cut off ") + Quoted(cutOff);

  if (row.replacesCheckDigit) {
    // Data of the symbol's full length ends in a check digit of the user's own.
    if (encoded.size() == data.size() && encoded.back() != data.back()) {
      changes += changes.empty() ? "" : ", ";
      changes += "replaced the check digit " + ToUtf8(data.substr(data.size() - 1)) + " by the computed " +
                 ToUtf8(encoded.substr(encoded.size() - 1));
    }
  }
  const std::string carried = CarriedCheckChange(row.carriedCheck, given, data);
  if (!carried.empty()) changes += (changes.empty() ? "" : ", ") + carried;
  if (changes.empty()) return std::nullopt;
  // A check digit kept as given: the data is encoded as it came.
  if (!carried.empty() && encoded == data) {
    return std::string(row.name) + " data " + Quoted(given) + ": " + changes + "; encoded as given";
  }
  return std::string(row.name) + " data " + Quoted(given) + ": " + changes + "; encoded " + Quoted(encoded) +
         " instead";
}

std::optional<std::string> AddOnChangeWarning(std::u32string_view given, const ShapingReport& shaping,
                                              const BarcodeSettings& shaped) {
  const std::string name(SymbologyRowOf(shaped.symbology).name);
  if (!shaping.addOnUnused.empty()) return name + " takes no add-on; it was dropped";
  std::string changes;
  if (!shaping.addOnDropped.empty()) changes += "dropped " + Quoted(shaping.addOnDropped);
  if (!shaping.addOnCutOff.empty()) changes += (changes.empty() ? "cut off " : ", cut off ") + Quoted(shaping.addOnCutOff);
  if (changes.empty()) return std::nullopt;
  const std::string kept = shaped.addon.empty() ? "no add-on is left" : "kept " + Quoted(shaped.addon);
  return name + " add-on " + Quoted(given) + ": " + changes + "; " + kept;
}

std::optional<std::string> ColourModelWarning(const BarcodeSettings& settings, OutputAction action) {
  const OutputFormat* format = OutputFormatOf(action);
  if (settings.colourMode != kColourCmyk || format == nullptr || format->rgbOnlyName.empty()) return std::nullopt;
  return std::string(format->rgbOnlyName) + " output holds RGB colours only: the CMYK colours were converted to RGB";
}

std::optional<std::string> InvisibleBarsWarning(const BarcodeSettings& settings, OutputAction action) {
  const OutputFormat* format = OutputFormatOf(action);
  if (format == nullptr || !format->barsTakeAlpha) return std::nullopt;
  const std::size_t alpha = AlphaIndex(settings.colourMode);
  if (settings.foreground[alpha] > 0) return std::nullopt;
  return "the bar colour is fully transparent, so the image shows no bars; give -fcolcomponent" +
         std::to_string(alpha + 1) + " 1 for opaque bars";
}

}  // namespace kbc
