#include "image_encoders/row_deflate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace kbc {
namespace {

// RFC 1951, 3.2.5: the first length and distance of each code, and their extra bits.
constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                                         33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                                         1025, 1537, 2049, 3073, 4097, 6145,  8193,  12289, 16385,
                                                         24577};
constexpr std::size_t kMaxLength = 258;
constexpr std::size_t kMinLength = 3;
constexpr std::size_t kMaxDistance = 32768;

// A Huffman code as the bit writer sends it: deflate packs codes from their
// most significant bit into bytes filled from the least significant one.
struct Code {
  std::uint16_t bits = 0;  // reversed
  std::uint8_t length = 0;
};

constexpr Code Reversed(unsigned code, unsigned length) {
  unsigned reversed = 0;
  for (unsigned i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
  return {std::uint16_t(reversed), std::uint8_t(length)};
}

// RFC 1951, 3.2.6: the fixed literal/length code.
constexpr std::array<Code, 288> MakeFixedCodes() {
  std::array<Code, 288> codes{};
  for (unsigned symbol = 0; symbol < 288; ++symbol) {
    if (symbol < 144) codes[symbol] = Reversed(0x30 + symbol, 8);
    else if (symbol < 256) codes[symbol] = Reversed(0x190 + symbol - 144, 9);
    else if (symbol < 280) codes[symbol] = Reversed(symbol - 256, 7);
    else codes[symbol] = Reversed(0xC0 + symbol - 280, 8);
  }
  return codes;
}
constexpr std::array<Code, 288> kFixedCodes = MakeFixedCodes();

// A match's length as one pattern of bits: its code, then its extra bits.
constexpr std::array<Code, kMaxLength + 1> MakeLengthCodes() {
  std::array<Code, kMaxLength + 1> codes{};
  for (std::size_t length = kMinLength; length <= kMaxLength; ++length) {
    std::size_t index = kLengthBase.size() - 1;
    while (kLengthBase[index] > length) --index;
    const Code code = kFixedCodes[257 + index];
    codes[length] = {std::uint16_t(code.bits | (length - kLengthBase[index]) << code.length),
                     std::uint8_t(code.length + kLengthExtra[index])};
  }
  return codes;
}
constexpr std::array<Code, kMaxLength + 1> kLengthCodes = MakeLengthCodes();

// A distance's fixed 5-bit code and its extra bits, as one pattern.
struct DistanceCode {
  std::uint32_t bits = 0;
  unsigned length = 0;
};

DistanceCode DistanceCodeFor(std::size_t distance) {
  std::size_t index = kDistanceBase.size() - 1;
  while (kDistanceBase[index] > distance) --index;
  const unsigned extra = index < 4 ? 0 : unsigned(index / 2 - 1);
  const Code code = Reversed(unsigned(index), 5);
  return {code.bits | std::uint32_t(distance - kDistanceBase[index]) << 5, 5 + extra};
}

class BitWriter {
 public:
  explicit BitWriter(std::string& out) : out_(out) {}
  void Put(std::uint32_t bits, unsigned length) {
    pending_ |= std::uint64_t(bits) << filled_;
    filled_ += length;
    if (filled_ >= 32) {
      const std::array<char, 4> word = {char(pending_), char(pending_ >> 8), char(pending_ >> 16), char(pending_ >> 24)};
      out_.append(word.data(), word.size());
      pending_ >>= 32;
      filled_ -= 32;
    }
  }
  void Finish() {
    for (; filled_ > 0; filled_ = filled_ > 8 ? filled_ - 8 : 0, pending_ >>= 8) out_.push_back(char(pending_));
  }

 private:
  std::string& out_;
  std::uint64_t pending_ = 0;
  unsigned filled_ = 0;
};

// How many bytes from `at` equal those `distance` before them, up to `limit`;
// compared a word at a time, since matches a row back run to the maximum.
std::size_t MatchLength(const std::uint8_t* at, std::size_t distance, std::size_t limit) {
  std::size_t length = 0;
  for (; length + 8 <= limit; length += 8) {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    std::memcpy(&a, at + length, 8);
    std::memcpy(&b, at + length - distance, 8);
    if (a != b) return length + std::size_t(std::countr_zero(a ^ b) / 8);
  }
  while (length < limit && at[length] == at[length - distance]) ++length;
  return length;
}

}  // namespace

std::string DeflateRows(std::span<const std::uint8_t> bytes, std::size_t rowStride, std::size_t pixelBytes) {
  static_assert(std::endian::native == std::endian::little, "MatchLength reads the first differing byte as the lowest");
  std::string out;
  out.reserve(bytes.size() / 8 + 64);
  BitWriter writer(out);
  writer.Put(0b011, 3);  // the final block, coded with the fixed codes
  const bool rowMatches = rowStride > 0 && rowStride <= kMaxDistance;
  const DistanceCode rowDistance = DistanceCodeFor(rowMatches ? rowStride : 1);
  const DistanceCode pixelDistance = DistanceCodeFor(pixelBytes);
  const std::uint8_t* data = bytes.data();
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t limit = std::min(kMaxLength, bytes.size() - at);
    // Most bytes of a row with text start no match: their first byte is
    // compared before anything longer.
    std::size_t length = rowMatches && at >= rowStride && data[at] == data[at - rowStride]
                             ? MatchLength(data + at, rowStride, limit)
                             : 0;
    const DistanceCode* distance = &rowDistance;
    if (length < limit && at >= pixelBytes && data[at] == data[at - pixelBytes]) {
      const std::size_t run = MatchLength(data + at, pixelBytes, limit);
      if (run > length) length = run, distance = &pixelDistance;
    }
    if (length >= kMinLength) {
      writer.Put(kLengthCodes[length].bits, kLengthCodes[length].length);
      writer.Put(distance->bits, distance->length);
      at += length;
    } else {
      writer.Put(kFixedCodes[data[at]].bits, kFixedCodes[data[at]].length);
      ++at;
    }
  }
  writer.Put(kFixedCodes[256].bits, kFixedCodes[256].length);  // end of block
  writer.Finish();
  return out;
}

}  // namespace kbc
