#include "canvas/glyph_cache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <new>
#include <utility>

#include "caches/cache_file.h"

namespace kbc {
namespace {

constexpr std::string_view kHeader = "KestrovaBarCode glyphs 2";
// Entries are the key words, a tab, then the bitmap words.
constexpr char kKeyEnd = '\t';
// An entry for a digit at 10 points is about 250 bytes, and an EAN-13 at one
// size and scale draws its digits at about a dozen sub-pixel offsets: room for
// a few hundred glyphs, read in well under the time it takes to render one.
// Glyphs for print resolutions are large and rendered afresh.
constexpr std::size_t kMaxBytes = 64 * 1024;
constexpr std::size_t kLargestCachedBitmap = 1024;
constexpr std::string_view kHexDigits = "0123456789abcdef";

std::string FacePart(const ShapedFace& face) {
  return EscapeField(face.file) + ' ' + std::to_string(face.faceIndex) + ' ' + EscapeField(face.fileStamp) + ' ';
}

void AppendNumber(std::string& key, long long number) {
  char digits[24];
  key.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

// The request's words appended to a key; a run asks for a key per glyph drawn.
void AppendRequestPart(std::string& key, const GlyphRequest& request) {
  for (const long long word : {(long long)request.glyph, (long long)request.charWidth, (long long)request.charHeight,
                               (long long)request.mirrorX, (long long)request.mirrorY, (long long)request.offsetX,
                               (long long)request.loadFlags}) {
    AppendNumber(key, word);
    key.push_back(' ');
  }
  AppendNumber(key, request.renderMode);
}

// Where an entry line's key ends.
std::size_t KeyEnd(std::string_view line) { return line.find(kKeyEnd); }

// The value of each lower-case hexadecimal digit, -1 for any other byte.
constexpr std::array<std::int8_t, 256> kHexValues = [] {
  std::array<std::int8_t, 256> values{};
  values.fill(-1);
  for (std::size_t digit = 0; digit < kHexDigits.size(); ++digit) {
    values[std::uint8_t(kHexDigits[digit])] = std::int8_t(digit);
  }
  return values;
}();

int HexValue(char digit) { return kHexValues[std::uint8_t(digit)]; }

std::string BitmapWords(const GlyphBitmap& bitmap) {
  std::string words = std::to_string(bitmap.left) + ' ' + std::to_string(bitmap.top) + ' ' +
                      std::to_string(bitmap.rows) + ' ' + std::to_string(bitmap.width) + ' ' +
                      std::to_string(bitmap.pitch) + ' ' + std::to_string(bitmap.pixelMode) + " =";
  for (const std::uint8_t byte : bitmap.buffer) words += {kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
  return words;
}

std::optional<GlyphBitmap> ParseBitmap(std::string_view text) {
  NumberWords words(text);
  GlyphBitmap bitmap;
  unsigned mode = 0;
  if (!words.Next(bitmap.left) || !words.Next(bitmap.top) || !words.Next(bitmap.rows) || !words.Next(bitmap.width) ||
      !words.Next(bitmap.pitch) || !words.Next(mode) || !words.Rest().starts_with('=')) {
    return std::nullopt;
  }
  // Only what Add keeps, and only bitmaps whose rows hold their pixels: the
  // blending reads width pixels of each row without looking again.
  const auto largest = int(kLargestCachedBitmap);
  if ((mode != FT_PIXEL_MODE_MONO && mode != FT_PIXEL_MODE_GRAY) || bitmap.pitch < -largest ||
      bitmap.pitch > largest || bitmap.rows > kLargestCachedBitmap) {
    return std::nullopt;
  }
  const auto stride = std::size_t(std::abs(bitmap.pitch));
  const std::size_t pixelsPerRow = mode == FT_PIXEL_MODE_MONO ? 8 * stride : stride;
  const std::size_t size = std::size_t(bitmap.rows) * stride;
  if (bitmap.width > pixelsPerRow || size > kLargestCachedBitmap) return std::nullopt;
  bitmap.pixelMode = static_cast<unsigned char>(mode);
  // The last word: no space can follow, as none is a hexadecimal digit.
  const std::string_view hex = words.Rest().substr(1);
  if (hex.size() != 2 * size) return std::nullopt;
  bitmap.buffer.resize(size);
  for (std::size_t i = 0; i < size; ++i) {
    const int high = HexValue(hex[2 * i]);
    const int low = HexValue(hex[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bitmap.buffer[i] = std::uint8_t(high * 16 + low);
  }
  return bitmap;
}

}  // namespace

std::string ProgramStamp() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  const std::string program(path, std::size_t(length));
  std::string stamp = program + '\n' + FileStamp(program);
  // Linked as a shared object (KBC_SYSTEM_LIBRARIES), FreeType is a file of its
  // own, updated apart from the program: its file is stamped too.
  Dl_info ours{};
  Dl_info freetype{};
  if (dladdr(reinterpret_cast<void*>(&ProgramStamp), &ours) != 0 &&
      dladdr(reinterpret_cast<void*>(&FT_Render_Glyph), &freetype) != 0 && freetype.dli_fbase != ours.dli_fbase &&
      freetype.dli_fname) {
    stamp += '\n' + std::string(freetype.dli_fname) + '\n' + FileStamp(freetype.dli_fname);
  }
  return stamp;
}

GlyphCache::GlyphCache(std::string path, std::string programStamp)
    : path_(std::move(path)), stamp_(std::move(programStamp)) {}

GlyphCache::~GlyphCache() {
  if (added_.empty() || path_.empty() || stamp_.empty()) return;
  // Written as a thread ends: running out of memory there must not end the
  // process, and the cache only saves time, so the file then stays as it was.
  try {
    // Newest first, so the oldest entries go when the file is full.
    std::vector<std::string> entries(added_.rbegin(), added_.rend());
    const std::string_view text(file_.text);
    for (std::size_t start = file_.entries; start < text.size();) entries.emplace_back(NextLine(text, start));
    WriteCacheEntries(path_, kHeader, stamp_, entries, kMaxBytes);
  } catch (const std::bad_alloc&) {
  }
}

void GlyphCache::Load() {
  loaded_ = true;
  if (stamp_.empty()) return;
  file_ = ReadCacheText(path_, kHeader, stamp_, kMaxBytes);
  stored_.Build(file_.text, file_.entries, KeyEnd);
}

// A line draws many glyphs of one face: its part of the key is escaped once.
const std::string& GlyphCache::Key(const ShapedFace& face, const GlyphRequest& request) {
  if (&face != lastFace_) {
    lastFace_ = &face;
    lastFacePart_ = FacePart(face);
  }
  key_ = lastFacePart_;
  AppendRequestPart(key_, request);
  return key_;
}

const GlyphBitmap* GlyphCache::Find(const ShapedFace& face, const GlyphRequest& request) {
  if (!loaded_) Load();
  const std::string& key = Key(face, request);
  // A thread's canvases share one cache: glyphs one barcode rendered serve the next.
  if (const auto known = bitmaps_.find(key); known != bitmaps_.end()) return &known->second;
  const std::optional<std::string_view> stored = stored_.Find(key);
  if (!stored) return nullptr;
  std::optional<GlyphBitmap> bitmap = ParseBitmap(*stored);
  if (!bitmap) return nullptr;
  // A batch draws the same digits again and again: each entry is parsed once.
  return &bitmaps_.emplace(key, std::move(*bitmap)).first->second;
}

void GlyphCache::Add(const ShapedFace& face, const GlyphRequest& request, const GlyphBitmap& bitmap) {
  if (bitmap.buffer.size() > kLargestCachedBitmap) return;
  const std::string& key = Key(face, request);
  added_.push_back(key + kKeyEnd + BitmapWords(bitmap));
  bitmaps_.insert_or_assign(key, bitmap);
}

}  // namespace kbc
