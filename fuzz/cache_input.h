// Fuzz inputs as cache files. A file whose checksum fails is never parsed, so
// a mutated input would almost never get past its second line: each target
// rewrites that line as the checksum of what follows, and the readers proper
// see every mutation. The file is written to a folder of the fuzzing process's
// own, made 0700 as the caches require, and read back through the readers' own
// opening and reading.
#pragma once

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "caches/cache_file.h"

namespace kbc::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The first line of a text, as a header the text claims.
inline std::string_view FirstLine(std::string_view text) {
  std::size_t start = 0;
  return NextLine(text, start);
}

// The text with its second line made the checksum of all after it; a text of
// fewer than two whole lines as it is.
inline std::string WithSumRebuilt(std::string_view text) {
  std::size_t start = 0;
  const std::string_view header = NextLine(text, start);
  if (start >= text.size()) return std::string(text);
  NextLine(text, start);
  if (start > text.size()) return std::string(text);
  const std::string_view body = text.substr(start);
  return std::string(header) + '\n' + SumLine(body) + '\n' + std::string(body);
}

// A temporary folder for one fuzzing process, removed when the process ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kbc-fuzz-cache-XXXXXX").string();
    // Without it no input reaches a reader: stop rather than pass for a run.
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("scratch folder");
      std::abort();
    }
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Replaces the named file with these bytes and gives its path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string path = path_ + '/' + std::string(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    return path;
  }

 private:
  std::string path_;
};

// The process's scratch folder: made once, as libFuzzer calls a target many times.
inline const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

}  // namespace kbc::fuzz
