// Files written whole or not at all: the bytes go to a temporary file in the
// target's directory, which is then renamed over the target. When the path is a
// symbolic link, the file it points to is replaced and the link kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kbc {

// Nothing on success; otherwise one line naming the path and the system error.
// An existing file keeps its permissions; a new one gets 0666 less the umask.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

// The same for writers that produce the file themselves (libtiff, cairo): `produce`
// writes to the temporary path it is given and returns an error line or nothing.
template <typename Produce>
std::optional<std::string> ProduceFileAtomically(const std::string& path, Produce&& produce);

// The building blocks of the two functions above.
struct TemporaryFile {
  std::string target;     // the file that will be replaced (symbolic links followed)
  std::string temporary;  // the temporary file beside it
};
std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& path, std::string& error);
std::optional<std::string> CommitTemporary(const TemporaryFile& file);
void DiscardTemporary(const TemporaryFile& file);

template <typename Produce>
std::optional<std::string> ProduceFileAtomically(const std::string& path, Produce&& produce) {
  std::string error;
  const auto file = CreateTemporaryBeside(path, error);
  if (!file) return error;
  if (auto failed = produce(file->temporary)) {
    DiscardTemporary(*file);
    return failed;
  }
  return CommitTemporary(*file);
}

}  // namespace kbc
