// Numbers read from option values the way the platform's string-to-number
// conversions read them: leading white space skipped, the leading number taken,
// anything after it ignored, 0 when there is none.
#pragma once

#include <cstdint>
#include <string_view>

namespace kbc {

// Optional sign, digits; saturates at the 32-bit limits.
std::int32_t IntegerValueOf(std::u32string_view text);

// The longest run of "+-.0123456789eE" read as a C-locale decimal number.
double DoubleValueOf(std::u32string_view text);

// Whether the whole text is the number read from it (white space around it
// aside), so that nothing typed was ignored.
bool ReadsWholeInteger(std::u32string_view text);
bool ReadsWholeDecimal(std::u32string_view text);

}  // namespace kbc
