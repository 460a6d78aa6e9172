// Argument bytes as text. Shells pass UTF-8, so bytes that are valid UTF-8 and
// hold a non-ASCII character are read as UTF-8; all others as Mac OS Roman,
// one character per byte, so single bytes such as \x8E for é keep working.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kbc {

struct ArgumentText {
  std::u32string text;
  bool utf8 = false;  // read as UTF-8
};

// How argument, batch and CSV bytes are read (-encoding). `Default` is the
// rule above; the others read every argument one way.
enum class TextEncoding : std::uint8_t { Default, Utf8, Windows1252, Latin1, MacRoman };

// The encoding an -encoding word names ("utf-8", "windows-1252", "latin-1",
// "mac-roman"); nothing for any other word.
std::optional<TextEncoding> TextEncodingFromName(std::string_view name);

// Under UTF-8, Windows-1252 and Latin-1 the text counts as typed UTF-8: the
// 2-D symbols encode it as UTF-8, as they do typed UTF-8 under the default
// rule. Malformed UTF-8 under `Utf8` gives U+FFFD, one per offending byte.
ArgumentText DecodeArgument(std::string_view bytes, TextEncoding encoding = TextEncoding::Default);

// The code points of well-formed UTF-8 (no overlong forms, surrogates or
// values beyond U+10FFFF); nothing for any other bytes.
std::optional<std::u32string> DecodeStrictUtf8(std::string_view bytes);

}  // namespace kbc
