#include "cli/data_warnings.h"

#include <algorithm>

#include "core/symbology.h"
#include "platform/utf8.h"

namespace kbc {
namespace {

// Long data is shown by its start: the warning must stay a readable line.
constexpr std::size_t kShownCharacters = 40;

std::string Quoted(std::u32string_view text) {
  if (text.size() <= kShownCharacters) return '"' + ToUtf8(text) + '"';
  return '"' + ToUtf8(text.substr(0, kShownCharacters)) + "\"... (" + std::to_string(text.size()) + " characters)";
}

// Spaces and hyphens separate digits; their loss changes nothing the reader sees.
bool CarriesData(char32_t c) { return c != U' ' && c != U'-'; }

// The characters of `from` that `kept` lacks, when `kept` is what remains of
// `from` after characters were removed; nothing when it was changed otherwise
// (padded, completed with start and stop letters, put in capitals).
std::u32string RemovedCharacters(std::u32string_view from, std::u32string_view kept) {
  std::u32string removed;
  std::size_t next = 0;
  for (const char32_t c : from) {
    if (next < kept.size() && kept[next] == c) {
      ++next;
    } else {
      removed += c;
    }
  }
  if (next < kept.size()) return {};
  std::erase_if(removed, [](char32_t c) { return !CarriesData(c); });
  return removed;
}

// Which colour component holds the alpha in each colour mode (index from 0).
std::size_t AlphaIndex(std::uint32_t colourMode) {
  return colourMode == kColourCmyk ? 4 : colourMode == kColourRgb ? 3 : 1;
}

}  // namespace

std::optional<std::string> DataChangeWarning(std::u32string_view given, const ShapingReport& shaping,
                                             const BarcodeSettings& shaped, const DataCheck& check) {
  if (!check.image) return std::nullopt;
  const SymbologyRow& row = SymbologyRowOf(shaped.symbology);

  // Retail symbols cut their data to the digits before the check digit: that
  // cut is reported as a replaced check digit, not as a loss.
  std::u32string dropped = shaping.dropped;
  if (!row.replacesCheckDigit) dropped += RemovedCharacters(shaped.data, check.symbol.encoded);
  std::string changes;
  if (!dropped.empty()) changes += "dropped " + Quoted(dropped);
  if (!shaping.cutOff.empty()) changes += (changes.empty() ? "cut off " : ", cut off ") + Quoted(shaping.cutOff);

  const std::u32string& encoded = check.symbol.encoded;
  if (row.replacesCheckDigit) {
    // Data of the symbol's full length ends in a check digit of the user's own.
    if (encoded.size() == shaped.data.size() && encoded.back() != shaped.data.back()) {
      changes += changes.empty() ? "" : ", ";
      changes += "replaced the check digit " + ToUtf8(shaped.data.substr(shaped.data.size() - 1)) +
                 " by the computed " + ToUtf8(encoded.substr(encoded.size() - 1));
    }
  }
  if (changes.empty()) return std::nullopt;
  return std::string(row.name) + " data " + Quoted(given) + ": " + changes + "; encoded " + Quoted(encoded) +
         " instead";
}

std::optional<std::string> InvisibleBarsWarning(const BarcodeSettings& settings, OutputAction action) {
  // EPS has no alpha and SVG draws its bars opaque.
  if (action == OutputAction::Eps || action == OutputAction::Svg || action == OutputAction::None) return std::nullopt;
  const std::size_t alpha = AlphaIndex(settings.colourMode);
  if (settings.foreground[alpha] > 0) return std::nullopt;
  return "the bar colour is fully transparent, so the image shows no bars; give -fcolcomponent" +
         std::to_string(alpha + 1) + " 1 for opaque bars";
}

}  // namespace kbc
