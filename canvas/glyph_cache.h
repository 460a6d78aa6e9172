// Rasterised glyphs kept across runs. Loading a face and rendering its glyphs
// (CFF outlines are interpreted and hinted) costs a bitmap run of a linear
// symbol more than drawing and compressing all its bars. A glyph bitmap depends
// only on the font file, the face, the glyph, the size, the transform, the load
// and render modes and the FreeType build; FreeType is linked into the program,
// so the cache's stamp is the program file's and each entry holds its font
// file's stamp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "caches/cache_file.h"
#include "caches/cache_index.h"
#include "canvas/shape_cache.h"

namespace kbc {

// Everything besides the face that FreeType's rendering of one glyph depends on.
struct GlyphRequest {
  std::uint32_t glyph = 0;
  long charWidth = 0;   // 26.6 pixels per em
  long charHeight = 0;  // 26.6 pixels per em
  bool mirrorX = false;
  bool mirrorY = false;
  long offsetX = 0;  // 26.6 horizontal shift
  std::int32_t loadFlags = 0;
  int renderMode = 0;
};

// A rendered glyph as FreeType leaves it in the glyph slot.
struct GlyphBitmap {
  int left = 0;  // bitmap_left
  int top = 0;   // bitmap_top
  unsigned rows = 0;
  unsigned width = 0;
  int pitch = 0;
  unsigned char pixelMode = 0;
  std::vector<std::uint8_t> buffer;  // rows × |pitch| bytes as FreeType stores them
};

class GlyphCache {
 public:
  // The cache file at `path` (empty: nothing is read or written), valid while
  // the program file described by `programStamp` is unchanged.
  GlyphCache(std::string path, std::string programStamp);
  ~GlyphCache();  // writes the glyphs added, when there are any
  GlyphCache(const GlyphCache&) = delete;
  GlyphCache& operator=(const GlyphCache&) = delete;

  // The glyph's bitmap, valid as long as the cache, or null when it is not kept.
  const GlyphBitmap* Find(const ShapedFace& face, const GlyphRequest& request);
  void Add(const ShapedFace& face, const GlyphRequest& request, const GlyphBitmap& bitmap);

 private:
  void Load();
  // The key of a glyph, in key_.
  const std::string& Key(const ShapedFace& face, const GlyphRequest& request);

  std::string path_;
  std::string stamp_;
  bool loaded_ = false;
  CacheText file_;      // the file as read
  CacheIndex stored_;   // key -> bitmap words, in file_
  std::vector<std::string> added_;  // whole lines, newest last
  std::unordered_map<std::string, GlyphBitmap, TailHasher> bitmaps_;  // rendered or parsed in this run, found again
  const ShapedFace* lastFace_ = nullptr;
  std::string lastFacePart_;
  std::string key_;
};

// The stamp of the running program's file, and of FreeType's when that is a
// shared library.
std::string ProgramStamp();

}  // namespace kbc
