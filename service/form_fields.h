// The name/value pairs of a query string or of a form body
// (application/x-www-form-urlencoded): split at '&' and '=', '+' read as a
// space and %XX as its byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace kbc {

struct FormField {
  std::string name;
  std::string value;
};

// The fields in their order. Refused when a '%' is not followed by two hex
// digits, or a name or value decodes to a NUL byte, which no argument of the
// command line can hold: such a request is malformed, not data to guess at.
Result<std::vector<FormField>> ReadFormFields(std::string_view encoded);

}  // namespace kbc
