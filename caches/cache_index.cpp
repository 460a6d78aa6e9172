#include "caches/cache_index.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "caches/cache_file.h"

namespace kbc {

std::size_t TailHash(std::string_view key) {
  constexpr std::size_t kTail = 32;
  const std::size_t tail = std::min(key.size(), kTail);
  const char* bytes = key.data() + key.size() - tail;
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ key.size();
  std::size_t i = 0;
  for (; i + 8 <= tail; i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes + i, 8);
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
  }
  for (; i < tail; ++i) hash = (hash ^ std::uint8_t(bytes[i])) * 0x100000001B3ull;
  hash ^= hash >> 29;
  return std::size_t(hash);
}

void CacheIndex::Build(std::string_view text, std::size_t start, KeyEnd keyEnd) {
  text_ = text;
  slots_.clear();
  // Offsets are 32 bits wide: a cache file is tens of kilobytes.
  if (start >= text.size() || text.size() > std::numeric_limits<std::uint32_t>::max()) return;
  std::vector<std::string_view> lines;
  while (start < text.size()) lines.push_back(NextLine(text, start));
  std::size_t size = 16;
  while (size < 2 * lines.size()) size *= 2;
  slots_.resize(size);
  const std::size_t mask = size - 1;
  for (const std::string_view line : lines) {
    const std::size_t keyLength = keyEnd(line);
    if (keyLength == 0 || keyLength >= line.size()) continue;
    const std::string_view key = line.substr(0, keyLength);
    const auto hash = std::uint32_t(TailHash(key));
    std::size_t at = hash & mask;
    while (slots_[at].keyLength != 0 && !(slots_[at].hash == hash && Key(slots_[at]) == key)) at = (at + 1) & mask;
    if (slots_[at].keyLength == 0) {
      slots_[at] = {hash, std::uint32_t(line.data() - text.data()), std::uint32_t(keyLength),
                    std::uint32_t(line.size() - keyLength - 1)};
    }
  }
}

std::optional<std::string_view> CacheIndex::Find(std::string_view key) const {
  if (slots_.empty() || key.empty()) return std::nullopt;
  const auto hash = std::uint32_t(TailHash(key));
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask; slots_[at].keyLength != 0; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.hash == hash && Key(slot) == key) return text_.substr(slot.start + slot.keyLength + 1, slot.valueLength);
  }
  return std::nullopt;
}

}  // namespace kbc
