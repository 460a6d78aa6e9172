// Shaped lines kept across runs. Shaping needs HarfBuzz, and opening it maps
// GLib, Graphite and a second FreeType, which costs a bitmap run more than all
// its drawing. A line's shape depends only on the font file, the face, the text
// and the HarfBuzz build, so it is kept in font units in a cache file whose
// stamp names the HarfBuzz library file it was shaped with; entries hold the
// font file's stamp.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "caches/cache_file.h"
#include "caches/cache_index.h"

namespace kbc {

// One glyph as HarfBuzz places it at a scale of one unit per font unit.
struct ShapedGlyph {
  std::uint32_t id = 0;
  std::int32_t xOffset = 0;
  std::int32_t yOffset = 0;
  std::int32_t xAdvance = 0;
  std::int32_t yAdvance = 0;
};

// A shaped line in font units with the font's horizontal extents.
struct ShapedRun {
  int scale = 0;  // font units per em; no glyphs when not positive
  std::int32_t ascender = 0;
  std::int32_t descender = 0;
  std::int32_t lineGap = 0;
  std::vector<ShapedGlyph> glyphs;
};

// A face as the cache knows it: its file, the file's stamp and the face index.
struct ShapedFace {
  std::string file;
  std::string fileStamp;
  int faceIndex = 0;
};

class ShapeCache {
 public:
  // The cache file at `path` (empty: nothing is read or written).
  explicit ShapeCache(std::string path);
  // Writes the runs added, when there are any.
  ~ShapeCache();
  ShapeCache(const ShapeCache&) = delete;
  ShapeCache& operator=(const ShapeCache&) = delete;

  std::optional<ShapedRun> Find(const ShapedFace& face, std::u32string_view text);
  // `shaperStamp` identifies the HarfBuzz library the run was shaped with.
  void Add(const ShapedFace& face, std::u32string_view text, const ShapedRun& run, const std::string& shaperStamp);

 private:
  void Load();
  std::string Key(const ShapedFace& face, std::u32string_view text);

  std::string path_;
  bool loaded_ = false;
  CacheText file_;                                                 // the file as read
  CacheIndex stored_;                                              // key words -> run words, in file_
  std::map<std::string, std::string, std::less<>> addedRuns_;      // key words -> run words
  std::vector<std::string> added_;                                 // whole lines, newest last
  std::string shaperStamp_;
  const ShapedFace* lastFace_ = nullptr;
  std::string lastFacePart_;
};

// The stamp of a shared library file: its path, its file stamp and the loader's search path.
std::string LibraryStamp(const std::string& libraryPath);

}  // namespace kbc
