#include "render/number_format.h"

#include <charconv>

namespace kbc {

std::string FormatFixed(double value, int decimals) {
  // to_chars prints exactly what printf prints in the C locale ("%.0f" of 2.5 is "2").
  const float narrowed = static_cast<float>(value);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, narrowed, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

std::string FormatInt(long value) { return std::to_string(value); }

}  // namespace kbc
