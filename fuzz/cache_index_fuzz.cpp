// The in-place index of cache entry lines over any text, against a plain map
// built line by line: every key the text holds is found with the value of its
// first line, that value lies in the text, and a key the text lacks is not found.
//
// Input: one byte choosing where keys end, two for where the entries start,
// then the text.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "caches/cache_index.h"
#include "fuzz/fuzz_input.h"

namespace kbc::fuzz {
namespace {

std::size_t AtTab(std::string_view line) { return line.find('\t'); }
std::size_t AtSpace(std::string_view line) { return line.find(' '); }
// At the fourth space, as keys of four words end.
std::size_t AtFourthWord(std::string_view line) {
  std::size_t end = std::string_view::npos;
  for (std::size_t at = 0, spaces = 0; at < line.size(); ++at) {
    if (line[at] == ' ' && ++spaces == 4) {
      end = at;
      break;
    }
  }
  return end;
}
std::size_t Nowhere(std::string_view) { return std::string_view::npos; }

constexpr std::array<CacheIndex::KeyEnd, 4> kKeyEnds = {AtTab, AtSpace, AtFourthWord, Nowhere};

// Key -> value of the first line with that key, as the index promises.
std::map<std::string, std::string, std::less<>> Expected(std::string_view text, std::size_t start,
                                                         CacheIndex::KeyEnd keyEnd) {
  std::map<std::string, std::string, std::less<>> expected;
  while (start < text.size()) {
    const std::size_t feed = text.find('\n', start);
    const std::string_view line = text.substr(start, feed == std::string_view::npos ? feed : feed - start);
    start = feed == std::string_view::npos ? text.size() : feed + 1;
    const std::size_t end = keyEnd(line);
    if (end == 0 || end >= line.size()) continue;
    expected.emplace(line.substr(0, end), line.substr(end + 1));
  }
  return expected;
}

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  fuzz::FuzzInput input(data, size);
  const CacheIndex::KeyEnd keyEnd = fuzz::kKeyEnds[input.Byte() % fuzz::kKeyEnds.size()];
  const std::size_t start = input.Number(4095);
  const std::string text = input.Rest();
  CacheIndex index;
  index.Build(text, start, keyEnd);
  const auto expected = fuzz::Expected(text, start, keyEnd);
  for (const auto& [key, value] : expected) {
    const std::optional<std::string_view> found = index.Find(key);
    fuzz::Require(found.has_value() && *found == value, "each key finds its first line's value");
    fuzz::Require(found->data() >= text.data() && found->data() + found->size() <= text.data() + text.size(),
                  "a value lies in the text");
    // One more byte makes a key no line has unless some line has it too.
    const std::string longer = key + 'x';
    const std::optional<std::string_view> other = index.Find(longer);
    const auto known = expected.find(longer);
    fuzz::Require(other.has_value() == (known != expected.end()) && (!other || *other == known->second),
                  "a key finds only its own line");
  }
  fuzz::Require(!index.Find("").has_value(), "the empty key finds nothing");
  return 0;
}
