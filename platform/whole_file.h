// Files replaced whole or not at all: the bytes go to a new file beside the
// target, which is then renamed over it. A symbolic link stays a link: the file
// it points at is the one replaced.
#pragma once

#include <string>
#include <string_view>

namespace kbc {

// On failure returns false with `error` naming the path and the system's reason;
// the target is then untouched and no temporary file remains.
bool WriteFileWhole(const std::string& path, std::string_view bytes, std::string& error);

// The path a write lands on: `path` with every symbolic link followed.
std::string FinalLinkTarget(const std::string& path);

}  // namespace kbc
