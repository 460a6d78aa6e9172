// Path standardising for the -output value. Paths are kept as bytes: a file
// name is whatever the user typed.
#pragma once

#include <string>
#include <string_view>

namespace kbc {

// Expands a leading ~ (from HOME when it is absolute, else from the user's
// password entry) or ~user, leaving an unknown user's ~ as it is; turns // and
// /./ into /, drops a trailing / (but keeps "/"), and in absolute paths
// resolves .. against the real parent directory where it exists (lexically
// otherwise). Relative paths keep their ..
std::string StandardizeOutputPath(std::string_view path);

// The last path component ("code.svg" of "/tmp/code.svg").
std::string LastPathComponent(std::string_view path);

}  // namespace kbc
