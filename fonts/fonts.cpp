// The font service: each name resolved once per run, through the persistent
// font cache, by fontconfig only on a miss.
#include "fonts/fonts.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <mutex>

#include "fonts/font_cache.h"
#include "fonts/font_match.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// The configuration for this run's look-ups, loaded at the first; FcInit's own
// when the plain load declines. Null when fontconfig cannot start at all.
FcConfig* RunConfiguration() {
  static FcConfig* const config = []() -> FcConfig* {
    // Kept for the whole run, like FcInit's own.
    if (FontConfiguration own = LoadFontConfiguration()) return own.release();
    return FcInit() ? FcConfigGetCurrent() : nullptr;
  }();
  return config;
}

// The persistent cache answers for names resolved before; fontconfig only on a miss.
ResolvedFont ResolveThroughCache(std::u32string_view fontName) {
  const std::string cachePath = FontCachePath();
  const std::string stamp = FontSetupStamp();
  const std::string name = ToUtf8(fontName);
  if (auto cached = ReadCachedFont(cachePath, stamp, name)) return std::move(*cached);
  ResolvedFont font = ResolveUnder(RunConfiguration(), fontName);
  WriteCachedFont(cachePath, stamp, name, font);
  return font;
}

}  // namespace

std::string SanitizePostScriptName(std::u32string_view fontName) {
  std::string clean;
  for (const char32_t c : fontName) {
    if (c <= 0x20 || c >= 0x7F) continue;
    if (std::u32string_view(U"()<>[]{}/%").find(c) != std::u32string_view::npos) continue;
    clean.push_back(char(c));
  }
  // Every PostScript interpreter takes names of 127 characters; longer ones may
  // stop it (Ghostscript's limit check at 1024).
  constexpr std::size_t kLongestPostScriptName = 127;
  if (clean.size() > kLongestPostScriptName) clean.resize(kLongestPostScriptName);
  return clean.empty() ? std::string("Helvetica") : clean;
}

const ResolvedFont& ResolveFont(std::u32string_view fontName) {
  // Font look-ups are slow and their answer cannot change within a run. A batch
  // draws on several threads: one look-up at a time (map entries never move).
  static std::mutex lookUps;
  static std::map<std::u32string, ResolvedFont, std::less<>> resolved;
  const std::lock_guard lock(lookUps);
  if (const auto known = resolved.find(fontName); known != resolved.end()) return known->second;
  return resolved.emplace(std::u32string(fontName), ResolveThroughCache(fontName)).first->second;
}

const std::string& PostScriptFontName(std::u32string_view fontName) {
  return ResolveFont(fontName).postScriptName;
}

}  // namespace kbc
