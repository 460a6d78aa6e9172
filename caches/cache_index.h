// Entry lines of a cache file's text found by their key in place, without a
// copy or an allocation per line: an open-addressing table of line offsets.
// A run looks up a few dozen keys among a few hundred lines, so building the
// index is most of the cost. Keys of one cache share long beginnings (a font
// file's path and stamp), so they are hashed on their last bytes only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kbc {

// A hash of a key's length and last 32 bytes.
std::size_t TailHash(std::string_view key);

// For unordered maps keyed by cache keys.
struct TailHasher {
  std::size_t operator()(std::string_view key) const { return TailHash(key); }
};

class CacheIndex {
 public:
  // Where a line's key ends: the key is line[0, end) and its value starts
  // after the separator at `end`; npos when the line has no key.
  using KeyEnd = std::size_t (*)(std::string_view line);

  // The lines of text from `start`, each ending at a line feed or at the end
  // of the text. Of lines with the same key, the first is kept.
  void Build(std::string_view text, std::size_t start, KeyEnd keyEnd);
  // The value of the key's line.
  std::optional<std::string_view> Find(std::string_view key) const;

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t start = 0;
    std::uint32_t keyLength = 0;  // 0: the slot is free
    std::uint32_t valueLength = 0;
  };
  std::string_view Key(const Slot& slot) const { return text_.substr(slot.start, slot.keyLength); }

  std::string_view text_;
  std::vector<Slot> slots_;  // a power of two in size, at most half full
};

}  // namespace kbc
