// HFS type and creator codes of written files.
#pragma once

#include <cstdint>
#include <string>

#include "core/types.h"

namespace kbc {

// Stores the codes as Finder information (32 bytes: type and creator as
// big-endian four-character codes, the rest zero) in the file's extended
// attributes. Errors are ignored: nothing else in the system reads them.
void SetFileTypeAndCreator(const std::string& path, std::uint32_t type, std::uint32_t creator);

}  // namespace kbc
