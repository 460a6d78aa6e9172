#include "cli/registry.h"

#include <algorithm>

namespace kbc {

SymbologyType SymbologyFromName(std::u32string_view name) {
  for (SymbologyType code = 1; code <= kSymbologyCount; ++code) {
    const std::string_view candidate = kSymbologyNames[code - 1];
    if (std::ranges::equal(candidate, name, [](char a, char32_t b) { return char32_t(a) == b; })) {
      return code;
    }
  }
  return kNoSymbology;
}

void AppendSymbologyName(std::u32string& text, SymbologyType code) {
  for (const char c : SymbologyName(code)) text.push_back(char32_t(c));
}

}  // namespace kbc
