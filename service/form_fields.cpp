#include "service/form_fields.h"

#include <optional>

namespace kbc {
namespace {

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

Result<std::string> Decoded(std::string_view encoded) {
  std::string decoded;
  decoded.reserve(encoded.size());
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const char c = encoded[i];
    if (c == '+') {
      decoded += ' ';
    } else if (c != '%') {
      decoded += c;
    } else {
      const std::optional<int> high = i + 1 < encoded.size() ? HexDigit(encoded[i + 1]) : std::nullopt;
      const std::optional<int> low = i + 2 < encoded.size() ? HexDigit(encoded[i + 2]) : std::nullopt;
      if (!high || !low) {
        return Refusal("malformed percent-encoding at \"" + std::string(encoded.substr(i, 3)) +
                       "\": a % must be followed by two hex digits");
      }
      decoded += char(*high * 16 + *low);
      i += 2;
    }
  }
  if (decoded.find('\0') != std::string::npos) return Refusal("a name or value holds a NUL byte (%00)");
  return decoded;
}

}  // namespace

Result<std::vector<FormField>> ReadFormFields(std::string_view encoded) {
  std::vector<FormField> fields;
  while (!encoded.empty()) {
    const std::size_t end = std::min(encoded.find('&'), encoded.size());
    const std::string_view pair = encoded.substr(0, end);
    encoded.remove_prefix(std::min(end + 1, encoded.size()));
    if (pair.empty()) continue;  // "a=1&&b=2", a trailing '&'
    const std::size_t equals = std::min(pair.find('='), pair.size());
    Result<std::string> name = Decoded(pair.substr(0, equals));
    if (!name) return Refusal(name.refusal);
    Result<std::string> value = Decoded(pair.substr(std::min(equals + 1, pair.size())));
    if (!value) return Refusal(value.refusal);
    fields.push_back({std::move(*name), std::move(*value)});
  }
  return fields;
}

}  // namespace kbc
