// The glyph cache reader over any file. Every entry's key is asked for as a
// face and a request, as drawing asks; a bitmap the cache gives back must be
// one the blending can read whole: a known pixel mode, rows of |pitch| bytes
// that hold its width in pixels, and nothing larger than the cache keeps.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/glyph_cache.h"
#include "fuzz/cache_input.h"
#include "fuzz/fuzz_input.h"

namespace kbc::fuzz {
namespace {

// FreeType's pixel modes for one bit and one byte per pixel.
constexpr unsigned char kMono = 1;
constexpr unsigned char kGray = 2;
constexpr std::size_t kLargestBitmap = 1024;
// Enough lines to cover a file of a few kilobytes.
constexpr int kMostLookUps = 64;

struct GlyphKey {
  ShapedFace face;
  GlyphRequest request;
};

bool ParseFlag(std::string_view word, bool& flag) {
  int value = 0;
  if (!ParseNumber(word, value) || (value != 0 && value != 1)) return false;
  flag = value == 1;
  return true;
}

// An entry line's key read back as the face and request it was made of.
bool ParseKey(std::string_view line, GlyphKey& key) {
  const std::vector<std::string_view> words = SplitWords(line.substr(0, line.find('\t')));
  if (words.size() != 11) return false;
  GlyphRequest& r = key.request;
  return UnescapeField(words[0], key.face.file) && ParseNumber(words[1], key.face.faceIndex) &&
         UnescapeField(words[2], key.face.fileStamp) && ParseNumber(words[3], r.glyph) &&
         ParseNumber(words[4], r.charWidth) && ParseNumber(words[5], r.charHeight) && ParseFlag(words[6], r.mirrorX) &&
         ParseFlag(words[7], r.mirrorY) && ParseNumber(words[8], r.offsetX) && ParseNumber(words[9], r.loadFlags) &&
         ParseNumber(words[10], r.renderMode);
}

void CheckBitmap(const GlyphBitmap& bitmap) {
  Require(bitmap.pixelMode == kMono || bitmap.pixelMode == kGray, "a known pixel mode");
  const std::size_t stride = bitmap.pitch < 0 ? std::size_t(-std::int64_t(bitmap.pitch)) : std::size_t(bitmap.pitch);
  Require(bitmap.buffer.size() == std::size_t(bitmap.rows) * stride, "rows of |pitch| bytes fill the buffer");
  Require(bitmap.width <= (bitmap.pixelMode == kMono ? 8 * stride : stride), "each row holds the width");
  Require(bitmap.buffer.size() <= kLargestBitmap, "no larger than the cache keeps");
}

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  const std::string text = fuzz::WithSumRebuilt(fuzz::AsText(data, size));
  const std::string path = fuzz::Scratch().Write("glyphs", text);
  // The file's own stamp, so that its entries are read whichever program wrote them.
  const CacheText parsed = ParseCacheText(text, fuzz::FirstLine(text));
  GlyphCache cache(path, parsed.stamp);
  // The cache knows a face by its address, as drawing keeps its faces: one each.
  std::deque<fuzz::GlyphKey> keys;
  std::size_t start = parsed.entries;
  for (int lookUp = 0; lookUp < fuzz::kMostLookUps && start < text.size(); ++lookUp) {
    if (!fuzz::ParseKey(NextLine(text, start), keys.emplace_back())) continue;
    if (const GlyphBitmap* bitmap = cache.Find(keys.back().face, keys.back().request)) fuzz::CheckBitmap(*bitmap);
  }
  return 0;
}
