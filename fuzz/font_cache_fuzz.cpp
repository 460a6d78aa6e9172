// The font cache reader over any file, asked for the name of each entry under
// the file's own stamp. A font it gives back must be one resolution could
// have given: a face index FreeType opens as a face, and a PostScript name
// that EPS and SVG documents can hold as it stands.
#include <cstdint>
#include <string>
#include <string_view>

#include "fonts/font_cache.h"
#include "fonts/fonts.h"
#include "fuzz/cache_input.h"
#include "fuzz/fuzz_input.h"

namespace kbc::fuzz {
namespace {

// Each look-up maps the file again: a few dozen cover a seed.
constexpr int kMostLookUps = 32;

void CheckFont(const ResolvedFont& font) {
  Require(font.faceIndex >= 0, "a face index, not a query");
  std::u32string name;
  for (const unsigned char c : font.postScriptName) name.push_back(char32_t(c));
  Require(SanitizePostScriptName(name) == font.postScriptName, "a PostScript name documents can hold");
}

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  const std::string text = fuzz::WithSumRebuilt(fuzz::AsText(data, size));
  const std::string path = fuzz::Scratch().Write("fonts", text);
  const CacheText parsed = ParseCacheText(text, fuzz::FirstLine(text));
  std::size_t start = parsed.entries;
  for (int lookUp = 0; lookUp < fuzz::kMostLookUps && start < text.size(); ++lookUp) {
    const std::string_view line = NextLine(text, start);
    std::string name;
    if (!UnescapeField(line.substr(0, line.find(' ')), name)) continue;
    if (const std::optional<ResolvedFont> font = ReadCachedFont(path, parsed.stamp, name)) fuzz::CheckFont(*font);
  }
  return 0;
}
