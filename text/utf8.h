// UTF-8 conversion of code-point strings (documents and messages are UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace kbc {

void AppendUtf8(std::string& out, char32_t c);
std::string ToUtf8(std::u32string_view text);

// Invalid sequences decode as U+FFFD, one per offending byte.
std::u32string FromUtf8(std::string_view bytes);

}  // namespace kbc
