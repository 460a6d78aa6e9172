#pragma once

#include <string>

namespace kbc {

// The usage text printed when the arguments do not make a request.
const std::string& UsageText();

}  // namespace kbc
