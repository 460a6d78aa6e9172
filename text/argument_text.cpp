#include "text/argument_text.h"

#include <algorithm>

#include "text/mac_roman.h"

namespace kbc {

std::optional<std::u32string> DecodeStrictUtf8(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0                 ? 4
                                                                       : 0;
    if (length == 0 || i + length > bytes.size()) return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = c << 6 | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    text += c;
    i += length;
  }
  return text;
}

ArgumentText DecodeArgument(std::string_view bytes) {
  const bool ascii = std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii) {
    if (std::optional<std::u32string> text = DecodeStrictUtf8(bytes)) return {std::move(*text), true};
  }
  return {DecodeMacRoman(bytes), false};
}

}  // namespace kbc
