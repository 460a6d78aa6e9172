// Reads a fuzz input as the values a target needs. Past the end every read gives
// zero or an empty string, so any input, even an empty one, is a whole case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/symbology.h"

namespace kbc::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

  bool Empty() const { return at_ >= bytes_.size(); }

  std::uint8_t Byte() { return Empty() ? 0 : bytes_[at_++]; }

  // 0..upTo from two bytes.
  std::uint32_t Number(std::uint32_t upTo) {
    const std::uint32_t raw = std::uint32_t(Byte()) << 8 | Byte();
    return raw % (upTo + 1);
  }

  // low..high in 65536 steps, both ends reachable.
  double Between(double low, double high) { return low + (high - low) * Number(65535) / 65535.0; }

  // A length byte (at most maxLength), then that many bytes.
  std::string Bytes(std::size_t maxLength) {
    std::size_t length = Byte() % (maxLength + 1);
    std::string text;
    while (length-- > 0 && !Empty()) text += char(Byte());
    return text;
  }

  std::string Rest() {
    std::string text(reinterpret_cast<const char*>(bytes_.data() + at_), bytes_.size() - at_);
    at_ = bytes_.size();
    return text;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// A broken property is a finding: say which, and abort so the fuzzer keeps the input.
inline void Require(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %.*s\n", int(property.size()), property.data());
  std::abort();
}

// The codes of every symbology, in table order.
inline const std::vector<SymbologyType>& DrawnSymbologies() {
  static const std::vector<SymbologyType> drawn = [] {
    std::vector<SymbologyType> codes;
    for (SymbologyType code = 1; code <= kSymbologyCount; ++code) {
      if (IsSymbology(code)) codes.push_back(code);
    }
    return codes;
  }();
  return drawn;
}

}  // namespace kbc::fuzz
