// The fields of a JSON request body: one object whose members are the
// fields, each a string, a number or a boolean.
#pragma once

#include <string_view>
#include <vector>

#include "core/result.h"
#include "service/form_fields.h"

namespace kbc {

// The members in the body's order. Numbers are given as JSON writes them
// back (12, 0.5), booleans as 1 and 0, as the command line's switches read
// them. Refused for anything but one object of such members.
Result<std::vector<FormField>> ReadJsonFields(std::string_view body);

}  // namespace kbc
