#pragma once

#include <string>
#include <string_view>

namespace kbc {

// The usage text printed when the arguments do not make a request.
const std::string& UsageText();

// What --help prints after the usage text: the options added since, each with
// an example.
const std::string& AddedOptionsText();

// What --version prints: the name and version, one line.
std::string_view VersionText();

}  // namespace kbc
