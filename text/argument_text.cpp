#include "text/argument_text.h"

#include <algorithm>
#include <array>

#include "text/mac_roman.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// Windows code page 1252's characters for 0x80..0x9F (Unicode's cp1252.txt
// mapping); its five unassigned bytes stay the C1 controls of the same value,
// as web browsers read them. Every other byte is its Latin-1 character.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::u32string DecodeLatin1(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text += char32_t(static_cast<unsigned char>(c));
  return text;
}

std::u32string DecodeWindows1252(std::string_view bytes) {
  std::u32string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text += byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char32_t(byte);
  }
  return text;
}

}  // namespace

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

std::optional<TextEncoding> TextEncodingFromName(std::string_view name) {
  if (name == "utf-8") return TextEncoding::Utf8;
  if (name == "windows-1252") return TextEncoding::Windows1252;
  if (name == "latin-1") return TextEncoding::Latin1;
  if (name == "mac-roman") return TextEncoding::MacRoman;
  return std::nullopt;
}

ArgumentText DecodeArgument(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return {FromUtf8(bytes), true};
    case TextEncoding::Windows1252:
      return {DecodeWindows1252(bytes), true};
    case TextEncoding::Latin1:
      return {DecodeLatin1(bytes), true};
    case TextEncoding::MacRoman:
      return {DecodeMacRoman(bytes), false};
    case TextEncoding::Default:
      break;
  }
  const bool ascii = std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii) {
    if (std::optional<std::u32string> text = DecodeStrictUtf8(bytes)) return {std::move(*text), true};
  }
  return {DecodeMacRoman(bytes), false};
}

}  // namespace kbc
