// Font-name resolution with fontconfig, PostScript names from FreeType, both
// behind the persistent font cache.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdlib>
#include <map>
#include <mutex>
#include <memory>

#include "fonts/font_cache.h"
#include "fonts/font_match.h"
#include "fonts/fonts.h"
#include "text/utf8.h"

namespace kbc {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;
struct ObjectSetDeleter {
  void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
struct StrListDeleter {
  void operator()(FcStrList* l) const { FcStrListDone(l); }
};
struct FtLibraryDeleter {
  void operator()(FT_Library l) const { FT_Done_FreeType(l); }
};
struct FtFaceDeleter {
  void operator()(FT_Face f) const { FT_Done_Face(f); }
};

const FcChar8* AsFc(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

bool HasValue(FcPattern* pattern, const char* object, const std::string& wanted) {
  FcChar8* value = nullptr;
  for (int i = 0; FcPatternGetString(pattern, object, i, &value) == FcResultMatch; ++i) {
    if (FcStrCmpIgnoreCase(value, AsFc(wanted)) == 0) return true;
  }
  return false;
}

bool FileOf(FcPattern* pattern, ResolvedFont& font) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch) return false;
  font.file = reinterpret_cast<const char*>(file);
  int index = 0;
  font.faceIndex = FcPatternGetInteger(pattern, FC_INDEX, 0, &index) == FcResultMatch ? index : 0;
  return true;
}

// The best match for a family name, whether or not the family itself exists.
PatternPtr MatchFamily(FcConfig* config, const std::string& family) {
  PatternPtr pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_FAMILY, AsFc(family));
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  return PatternPtr(FcFontMatch(config, pattern.get(), &result));
}

// A font whose PostScript name is exactly the requested one.
PatternPtr FindPostScriptName(FcConfig* config, const std::string& name) {
  PatternPtr pattern(FcPatternCreate());
  FcPatternAddString(pattern.get(), FC_POSTSCRIPT_NAME, AsFc(name));
  std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr));
  FontSetPtr fonts(FcFontList(config, pattern.get(), objects.get()));
  if (!fonts || fonts->nfont == 0) return nullptr;
  return PatternPtr(FcPatternDuplicate(fonts->fonts[0]));
}

std::string FacePostScriptName(const ResolvedFont& font) {
  FT_Library raw = nullptr;
  if (FT_Init_FreeType(&raw) != 0) return {};
  std::unique_ptr<FT_LibraryRec_, FtLibraryDeleter> library(raw);
  FT_Face face = nullptr;
  if (FT_New_Face(library.get(), font.file.c_str(), font.faceIndex, &face) != 0) return {};
  std::unique_ptr<FT_FaceRec_, FtFaceDeleter> owned(face);
  const char* name = FT_Get_Postscript_Name(face);
  return name ? std::string(name) : std::string();
}

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

FontConfiguration LoadFontConfiguration() {
  // FcInit reads fontconfig's debugging flags, which print on standard output.
  if (std::getenv("FC_DEBUG")) return nullptr;
  FontConfiguration config(FcConfigCreate());
  if (!config || !FcConfigParseAndLoad(config.get(), nullptr, FcTrue)) return nullptr;
  // Without a cache folder FcInit adds its defaults, with a warning.
  const std::unique_ptr<FcStrList, StrListDeleter> caches(FcConfigGetCacheDirs(config.get()));
  if (!caches || !FcStrListNext(caches.get())) return nullptr;
  if (!FcConfigBuildFonts(config.get())) return nullptr;
  return config;
}

ResolvedFont ResolveUnder(FcConfig* config, std::u32string_view fontName) {
  ResolvedFont font;
  const std::string name = ToUtf8(fontName);
  if (!name.empty() && config) {
    if (PatternPtr match = MatchFamily(config, name); match && HasValue(match.get(), FC_FAMILY, name)) {
      font.installed = FileOf(match.get(), font);
    } else if (PatternPtr exact = FindPostScriptName(config, name)) {
      font.installed = FileOf(exact.get(), font);
    }
  }
  if (font.installed) font.postScriptName = FacePostScriptName(font);
  if (font.postScriptName.empty()) {
    font.installed = false;
    font.postScriptName = SanitizePostScriptName(fontName);
  }
  if (font.file.empty() && config) {
    // Text still draws in a name that matches nothing: fall back as for Helvetica.
    if (PatternPtr fallback = MatchFamily(config, "Helvetica")) FileOf(fallback.get(), font);
  }
  return font;
}

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
