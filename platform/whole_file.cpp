#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kbc {
namespace {

// More links than this in a chain is a loop (the kernel's own limit is 40).
constexpr int kMaxLinkHops = 40;

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(std::size_t(written));
  }
  return true;
}

// A new file beside the target, opened exclusively so no other file is touched;
// it gets the permissions of the file it will replace, else the usual 0666 less umask.
int CreateTemporary(const std::string& target, std::string& tempPath) {
  const std::string stem = DirectoryOf(target) + "/." + FileNameOf(target) + ".kbc-" + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = stem + std::to_string(attempt);
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      struct stat existing {};
      if (stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) fchmod(fd, existing.st_mode & 07777);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

}  // namespace

std::string FinalLinkTarget(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::string link(std::size_t(info.st_size > 0 ? info.st_size : 4096), '\0');
    const ssize_t length = readlink(current.c_str(), link.data(), link.size());
    if (length <= 0) return current;
    link.resize(std::size_t(length));
    current = link.front() == '/' ? link : DirectoryOf(current) + "/" + link;
  }
  return current;
}

bool WriteFileWhole(const std::string& path, std::string_view bytes, std::string& error) {
  const std::string target = FinalLinkTarget(path);
  std::string tempPath;
  const int fd = CreateTemporary(target, tempPath);
  if (fd < 0) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
  int failure = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    failure = errno;
  }
  if (ok && rename(tempPath.c_str(), target.c_str()) != 0) {
    ok = false;
    failure = errno;
  }
  if (!ok) {
    unlink(tempPath.c_str());
    error = "cannot write " + path + ": " + std::strerror(failure);
  }
  return ok;
}

}  // namespace kbc
