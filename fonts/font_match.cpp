// Font names matched with fontconfig, PostScript names read with FreeType.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdlib>
#include <memory>

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

}  // namespace kbc
