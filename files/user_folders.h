// Where a user's own files go, as the environment says. Only absolute paths
// are taken: a relative one would scatter files into whatever folder a run
// happens to start in.
#pragma once

#include <string>
#include <string_view>

namespace kbc {

// The variable's value when it is an absolute path; empty otherwise.
std::string AbsolutePathVariable(const char* name);

// A base folder by the XDG rules: `variable` when it is absolute, else
// $HOME/`underHome` when HOME is absolute, else empty (nothing is kept).
std::string XdgBaseFolder(const char* variable, std::string_view underHome);

}  // namespace kbc
