#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace kbc {
namespace {

std::string Describe(const std::string& path, int error) {
  return "cannot write \"" + path + "\": " + std::strerror(error);
}

// Follows symbolic links (at most 40) to the file that is really written.
std::string FinalTarget(const std::string& path) {
  std::string current = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info {};
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::vector<char> link(std::size_t(info.st_size > 0 ? info.st_size : 4096) + 1);
    const ssize_t n = readlink(current.c_str(), link.data(), link.size() - 1);
    if (n < 0) return current;
    std::string next(link.data(), std::size_t(n));
    if (!next.empty() && next[0] != '/') {
      const auto slash = current.rfind('/');
      if (slash != std::string::npos) next = current.substr(0, slash + 1) + next;
    }
    current = std::move(next);
  }
  return current;
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& path, std::string& error) {
  TemporaryFile file;
  file.target = FinalTarget(path);
  const auto slash = file.target.rfind('/');
  const std::string directory = slash == std::string::npos ? std::string() : file.target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? file.target : file.target.substr(slash + 1);
  if (name.empty()) {
    error = Describe(path, EISDIR);
    return std::nullopt;
  }
  std::string pattern = directory + "." + name + ".XXXXXX";
  const int fd = mkstemp(pattern.data());
  if (fd < 0) {
    error = Describe(path, errno);
    return std::nullopt;
  }
  struct stat existing {};
  fchmod(fd, stat(file.target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : NewFileMode());
  close(fd);
  file.temporary = std::move(pattern);
  return file;
}

std::optional<std::string> CommitTemporary(const TemporaryFile& file) {
  if (rename(file.temporary.c_str(), file.target.c_str()) != 0) {
    const int error = errno;
    DiscardTemporary(file);
    return Describe(file.target, error);
  }
  return std::nullopt;
}

void DiscardTemporary(const TemporaryFile& file) { unlink(file.temporary.c_str()); }

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return ProduceFileAtomically(path, [&](const std::string& temporary) -> std::optional<std::string> {
    const int fd = open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return Describe(path, errno);
    std::size_t written = 0;
    while (written < bytes.size()) {
      const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        const int error = n < 0 ? errno : EIO;
        close(fd);
        return Describe(path, error);
      }
      written += std::size_t(n);
    }
    if (close(fd) != 0) return Describe(path, errno);
    return std::nullopt;
  });
}

}  // namespace kbc
