// A ZIP archive built in memory with libzip.
#pragma once

#include <string>
#include <vector>

#include "core/result.h"

namespace kbc {

struct ZipEntry {
  std::string name;
  std::string bytes;
  bool compress = true;  // false for formats that are compressed already
};

// The archive's bytes, entries in order. Every entry carries one fixed
// modification time, so that equal entries give an equal archive (and an
// equal entity tag).
Result<std::string> ZipArchive(const std::vector<ZipEntry>& entries);

}  // namespace kbc
