// Mac OS Roman text: every byte is one character. Argument bytes are read this
// way, and the 2-D encoders turn the characters back into the same bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kbc {

std::u32string DecodeMacRoman(std::string_view bytes);

// The bytes of the text, or nothing when a character has no Mac OS Roman byte.
std::optional<std::string> EncodeMacRoman(std::u32string_view text);

}  // namespace kbc
