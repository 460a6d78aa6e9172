// Text lines shaped with HarfBuzz over FreeType faces. Both canvases take glyph
// ids and positions from here, so a line has the same layout in a PDF and in a
// bitmap; positions are unhinted and independent of any device.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "canvas/glyph_cache.h"
#include "canvas/harfbuzz_library.h"
#include "canvas/shape_cache.h"
#include "core/types.h"
#include "fonts/fonts.h"

namespace kbc {

// One glyph of a shaped line: its id in the face and its origin in points
// relative to the line's origin on the baseline, y upwards.
struct PlacedGlyph {
  std::uint32_t id = 0;
  double x = 0;
  double y = 0;
};

struct TextLine {
  std::vector<PlacedGlyph> glyphs;
  double width = 0;    // sum of the advances
  double ascent = 0;   // above the baseline, positive
  double descent = 0;  // below the baseline, positive
  double leading = 0;  // the face's line gap
};

// A FreeType library started on first use: a run whose lines and glyphs are
// all found in the caches never starts it (its modules cost a run page faults
// and set-up of their own).
class FreeTypeLibrary {
 public:
  FreeTypeLibrary() = default;
  ~FreeTypeLibrary();
  FreeTypeLibrary(const FreeTypeLibrary&) = delete;
  FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

  // The library, or null when FreeType cannot start.
  FT_Library Get();

 private:
  FT_Library library_ = nullptr;
  bool tried_ = false;
};

// A font file's face: opened with FreeType, and shaped with HarfBuzz, only
// when a line or glyph is not found in the caches.
class FontFace {
 public:
  static std::unique_ptr<FontFace> Load(FreeTypeLibrary& library, const ResolvedFont& font, ShapeCache& shapes);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // The FreeType face, opened on the first call; null when the file cannot be read.
  FT_Face Face() const;
  const ResolvedFont& Source() const { return source_; }
  // The face as the shape and glyph caches name it.
  const ShapedFace& CacheKey() const { return cacheKey_; }

  // Shapes one line at a size in points (0 means 12).
  TextLine Shape(std::u32string_view text, double fontSize) const;

 private:
  FontFace(FreeTypeLibrary& library, ResolvedFont source, ShapeCache& shapes);
  ShapedRun ShapeInFontUnits(std::u32string_view text) const;
  ShapedRun ShapeWithHarfBuzz(std::u32string_view text) const;

  FreeTypeLibrary& library_;
  ResolvedFont source_;
  ShapedFace cacheKey_;
  ShapeCache& shapes_;
  mutable FT_Face face_ = nullptr;
  mutable bool faceTried_ = false;
  mutable const HarfBuzz* hb_ = nullptr;  // opened by the first line not in the cache
  mutable hb_font_t* shaper_ = nullptr;
};

// A FreeType library and the faces loaded from it, owned by one canvas. Font
// names are resolved (and faces loaded) only when text is drawn.
class FontLibrary {
 public:
  FontLibrary();
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // The face for a font name, or null when no font file could be loaded.
  const FontFace* FaceFor(std::u32string_view fontName);

  GlyphCache& Glyphs() { return glyphs_; }

  // Width and line height of a line in the face for a font name (zero without one).
  TextMetrics Measure(std::u32string_view text, std::u32string_view fontName, double fontSize);

 private:
  FreeTypeLibrary library_;  // outlives the faces, which refer to it
  ShapeCache shapes_;        // likewise
  GlyphCache glyphs_;
  std::map<std::pair<std::string, int>, std::unique_ptr<FontFace>> faces_;
};

// Width and line height (ascent + descent + leading) of a text line.
TextMetrics MeasureText(std::u32string_view text, std::u32string_view fontName, double fontSize);

}  // namespace kbc
