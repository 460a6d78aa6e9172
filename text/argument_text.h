// Argument bytes as text. Shells pass UTF-8, so bytes that are valid UTF-8 and
// hold a non-ASCII character are read as UTF-8; all others as Mac OS Roman,
// one character per byte, so single bytes such as \x8E for é keep working.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kbc {

struct ArgumentText {
  std::u32string text;
  bool utf8 = false;  // read as UTF-8
};

ArgumentText DecodeArgument(std::string_view bytes);

// The code points of well-formed UTF-8 (no overlong forms, surrogates or
// values beyond U+10FFFF); nothing for any other bytes.
std::optional<std::u32string> DecodeStrictUtf8(std::string_view bytes);

}  // namespace kbc
