// PDF417 data compaction: the data cut into text, numeric and byte segments,
// each compacted into codewords in its mode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kbc {

// What a segment of the data is compacted as.
enum class Pdf417Mode : char { kText = 'T', kNumeric = 'N', kByte = 'B' };

struct Pdf417Segment {
  Pdf417Mode mode;
  std::size_t begin;  // byte index of the first byte
  std::size_t end;    // one past the last byte
};

// The data's segments after the digit-run scan and the three merge passes.
std::vector<Pdf417Segment> Pdf417Segments(std::span<const std::uint8_t> bytes);

// The length descriptor and the data codewords (before padding and error
// correction); nothing when the data needs more than 926 of them or has more
// than 5420 bytes.
std::optional<std::vector<int>> Pdf417DataCodewords(std::span<const std::uint8_t> bytes);

}  // namespace kbc
