#include "canvas/shape_cache.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#include "caches/cache_file.h"
#include "text/utf8.h"

namespace kbc {
namespace {

constexpr std::string_view kHeader = "KestrovaBarCode shapes 2";
constexpr std::size_t kMaxBytes = 64 * 1024;

std::string FacePart(const ShapedFace& face) {
  return EscapeField(face.file) + ' ' + std::to_string(face.faceIndex) + ' ' + EscapeField(face.fileStamp) + ' ';
}

// Where an entry line's key, its first four words, ends (npos: no key).
std::size_t KeyEnd(std::string_view line) {
  std::size_t end = 0;
  for (int word = 0; word < 4 && end != std::string_view::npos; ++word) end = line.find(' ', end + (word > 0));
  return end;
}

std::string RunWords(const ShapedRun& run) {
  std::string words = std::to_string(run.scale) + ' ' + std::to_string(run.ascender) + ' ' +
                      std::to_string(run.descender) + ' ' + std::to_string(run.lineGap) + ' ' +
                      std::to_string(run.glyphs.size());
  for (const ShapedGlyph& glyph : run.glyphs) {
    words += ' ' + std::to_string(glyph.id) + ' ' + std::to_string(glyph.xOffset) + ' ' +
             std::to_string(glyph.yOffset) + ' ' + std::to_string(glyph.xAdvance) + ' ' +
             std::to_string(glyph.yAdvance);
  }
  return words;
}

// Only what Add stores: runs of a positive scale.
std::optional<ShapedRun> ParseRun(std::string_view text) {
  NumberWords words(text);
  ShapedRun run;
  std::size_t count = 0;
  if (!words.Next(run.scale) || !words.Next(run.ascender) || !words.Next(run.descender) ||
      !words.Next(run.lineGap) || !words.Next(count) || count > text.size() || run.scale <= 0) {
    return std::nullopt;
  }
  run.glyphs.resize(count);
  for (ShapedGlyph& out : run.glyphs) {
    if (!words.Next(out.id) || !words.Next(out.xOffset) || !words.Next(out.yOffset) || !words.Next(out.xAdvance) ||
        !words.Next(out.yAdvance)) {
      return std::nullopt;
    }
  }
  if (!words.AtEnd()) return std::nullopt;
  return run;
}

// Whether a stored stamp still describes the library the loader would open.
bool StampHolds(const std::string& stamp) {
  const std::size_t end = stamp.find('\n');
  return end != std::string::npos && LibraryStamp(stamp.substr(0, end)) == stamp;
}

}  // namespace

std::string LibraryStamp(const std::string& libraryPath) {
  const char* searchPath = std::getenv("LD_LIBRARY_PATH");
  return libraryPath + '\n' + FileStamp(libraryPath) + "\nLD_LIBRARY_PATH=" + (searchPath ? searchPath : "");
}

ShapeCache::ShapeCache(std::string path) : path_(std::move(path)) {}

ShapeCache::~ShapeCache() {
  if (added_.empty() || path_.empty()) return;
  // As the glyph cache: out of memory at a thread's end leaves the file as it was.
  try {
    std::vector<std::string> entries(added_.rbegin(), added_.rend());
    // Entries of the file written under the same library are kept behind the new ones.
    if (std::optional<CacheContents> old = ReadCacheFile(path_, kHeader, kMaxBytes);
        old && old->stamp == shaperStamp_) {
      for (std::string& line : old->entries) {
        const std::size_t keyEnd = KeyEnd(line);
        if (keyEnd != std::string::npos && !addedRuns_.contains(std::string_view(line).substr(0, keyEnd))) {
          entries.push_back(std::move(line));
        }
      }
    }
    WriteCacheEntries(path_, kHeader, shaperStamp_, entries, kMaxBytes);
  } catch (const std::bad_alloc&) {
  }
}

void ShapeCache::Load() {
  loaded_ = true;
  file_ = LoadCacheText(path_, kHeader, kMaxBytes);
  if (!file_.readable || !StampHolds(file_.stamp)) return;
  // The first line of a key is its newest.
  stored_.Build(file_.text, file_.entries, KeyEnd);
}

// A symbol's text is shaped item by item in one face: its part of the key is escaped once.
std::string ShapeCache::Key(const ShapedFace& face, std::u32string_view text) {
  if (&face != lastFace_) {
    lastFace_ = &face;
    lastFacePart_ = FacePart(face);
  }
  return lastFacePart_ + EscapeField(ToUtf8(text));
}

std::optional<ShapedRun> ShapeCache::Find(const ShapedFace& face, std::u32string_view text) {
  if (!loaded_) Load();
  const std::string key = Key(face, text);
  if (const auto added = addedRuns_.find(key); added != addedRuns_.end()) return ParseRun(added->second);
  const std::optional<std::string_view> stored = stored_.Find(key);
  if (!stored) return std::nullopt;
  return ParseRun(*stored);
}

void ShapeCache::Add(const ShapedFace& face, std::u32string_view text, const ShapedRun& run,
                     const std::string& shaperStamp) {
  shaperStamp_ = shaperStamp;
  std::string key = Key(face, text);
  std::string words = RunWords(run);
  added_.push_back(key + ' ' + words);
  addedRuns_.insert_or_assign(std::move(key), std::move(words));
}

}  // namespace kbc
