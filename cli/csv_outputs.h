// Where the rows of a CSV file may write. A CSV file usually comes from an
// export its user did not write, so by default a row's output cell must be a
// relative path (from the working folder, as on the command line) that stays
// inside the folder of -output, or the working folder without -output: no
// absolute path, no ~, no .. that climbs out, no symbolic link that leads out.
// And no two requests of a run may write one file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/result.h"

namespace kbc {

class OutputFolder {
 public:
  // The folder of the -output pattern (the working folder when it has none or
  // is empty), taken as the run starts.
  explicit OutputFolder(std::string_view outputPattern);
  // Whether a row's output cell may be written, or why not.
  Status Admits(std::string_view cell) const;
  // The path as one absolute spelling: the working folder before a relative
  // one, "." and ".." and repeated slashes taken out.
  std::string Absolute(std::string_view path) const;

 private:
  std::string workingFolder_;
  std::string lexical_;  // the folder, absolute
  std::string real_;     // the folder with its links resolved, where it exists
};

// The files a run's requests write, each claimed by the first request that
// names it. Paths are held as 128-bit digests of their absolute spelling, so
// that a long run holds 16 bytes a file, not the path.
class OutputClaims {
 public:
  // The number of the request that claimed the path before, or nothing (and
  // the path is now this request's).
  std::optional<std::size_t> Claim(const std::string& absolutePath, std::size_t number);

 private:
  struct Digest {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    bool operator==(const Digest&) const = default;
  };
  struct DigestHash {
    std::size_t operator()(const Digest& digest) const { return std::size_t(digest.low); }
  };
  std::unordered_map<Digest, std::size_t, DigestHash> claimed_;
};

}  // namespace kbc
