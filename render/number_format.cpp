#include "render/number_format.h"

#include <charconv>
#include <cmath>

namespace kbc {

std::string FormatFixed(double value, int decimals) {
  const float narrowed = static_cast<float>(value);
  char buffer[64];
  char* end = nullptr;
  // Most coordinates are whole numbers: their digits come from the integer,
  // which is several times quicker than the general conversion. Negative zero
  // keeps its sign ("-0"), so it takes the general path.
  if (std::abs(narrowed) < 1e9f && narrowed == std::trunc(narrowed) && !(narrowed == 0 && std::signbit(narrowed))) {
    end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long>(narrowed)).ptr;
    if (decimals > 0) {
      *end++ = '.';
      for (int i = 0; i < decimals && end < buffer + sizeof buffer; ++i) *end++ = '0';
    }
  } else {
    // to_chars prints exactly what printf prints in the C locale ("%.0f" of 2.5 is "2").
    end = std::to_chars(buffer, buffer + sizeof buffer, narrowed, std::chars_format::fixed, decimals).ptr;
  }
  return std::string(buffer, end);
}

std::string FormatInt(long value) { return std::to_string(value); }

}  // namespace kbc
