// The shape cache reader over any file. The file's stamp names a HarfBuzz
// library and is only trusted while that file is unchanged, so the target
// restamps the library the input names as it stands here. Every entry's key
// is then asked for as a face and a text, as shaping asks; a run the cache
// gives back must be one shaping could have stored: a positive scale.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/shape_cache.h"
#include "fuzz/cache_input.h"
#include "fuzz/fuzz_input.h"
#include "text/utf8.h"

namespace kbc::fuzz {
namespace {

constexpr int kMostLookUps = 64;

// The text with its stamp line, when it names a library, made that library's current stamp.
std::string WithStampRefreshed(std::string_view text) {
  std::size_t start = 0;
  const std::string_view header = NextLine(text, start);
  if (start >= text.size()) return std::string(text);
  const std::string_view sum = NextLine(text, start);
  if (start >= text.size()) return std::string(text);
  std::string stamp;
  if (!UnescapeField(NextLine(text, start), stamp) || stamp.find('\n') == std::string::npos) {
    return std::string(text);
  }
  const std::string rest = start < text.size() ? std::string(text.substr(start)) : std::string();
  return std::string(header) + '\n' + std::string(sum) + '\n' +
         EscapeField(LibraryStamp(stamp.substr(0, stamp.find('\n')))) + '\n' + rest;
}

struct ShapeKey {
  ShapedFace face;
  std::u32string text;
};

// An entry line's key, its first four words, read back as the face and text it was made of.
bool ParseKey(std::string_view line, ShapeKey& key) {
  const std::vector<std::string_view> words = SplitWords(line);
  std::string text;
  if (words.size() < 4 || !UnescapeField(words[0], key.face.file) || !ParseNumber(words[1], key.face.faceIndex) ||
      !UnescapeField(words[2], key.face.fileStamp) || !UnescapeField(words[3], text)) {
    return false;
  }
  key.text = FromUtf8(text);
  return true;
}

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  const std::string text = fuzz::WithSumRebuilt(fuzz::WithStampRefreshed(fuzz::AsText(data, size)));
  const std::string path = fuzz::Scratch().Write("shapes", text);
  const CacheText parsed = ParseCacheText(text, fuzz::FirstLine(text));
  ShapeCache cache(path);
  // The cache knows a face by its address, as shaping keeps its faces: one each.
  std::deque<fuzz::ShapeKey> keys;
  std::size_t start = parsed.entries;
  for (int lookUp = 0; lookUp < fuzz::kMostLookUps && start < text.size(); ++lookUp) {
    if (!fuzz::ParseKey(NextLine(text, start), keys.emplace_back())) continue;
    if (const std::optional<ShapedRun> run = cache.Find(keys.back().face, keys.back().text)) {
      fuzz::Require(run->scale > 0, "a run with a positive scale, as shaping stores");
    }
  }
  return 0;
}
