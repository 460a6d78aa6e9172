#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <mutex>
#include <vector>

namespace kbc {
namespace {

constexpr std::array<int, 3> kCleanupSignals = {SIGINT, SIGTERM, SIGHUP};

// A signal handler can reach nothing but static storage, so the paths of the
// temporary files being written live here while RemovedOnSignal guards them:
// one slot per file written at the same time (a batch writes on several threads).
constexpr std::size_t kRemovalSlots = 64;

struct RemovalSlot {
  char path[PATH_MAX]{};
  volatile sig_atomic_t pending = 0;
  std::atomic<bool> taken{false};
};
// All zeros at start-up, so no constructor touches its pages: a run that
// writes one file faults in one slot, not 256 KiB.
constinit RemovalSlot gRemovals[kRemovalSlots]{};

// The handlers are installed while at least one guard lives.
std::mutex gHandlersMutex;
int gGuards = 0;
std::array<struct sigaction, kCleanupSignals.size()> gPrevious{};

void RemoveAndResignal(int signal) {
  for (RemovalSlot& slot : gRemovals) {
    if (slot.pending) unlink(slot.path);
  }
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  // Blocked while the handler runs; delivered with the default action on return.
  raise(signal);
}

std::string Describe(const std::string& path, std::string_view why) {
  return "cannot write \"" + path + "\": " + std::string(why);
}

std::string Describe(const std::string& path, int error) { return Describe(path, std::strerror(error)); }

struct ResolvedPath {
  std::string path;
  bool throughDescriptors = false;  // a step went through /proc/…/fd or /dev/fd
};

bool IsDescriptorPath(const std::string& path) {
  return path.starts_with("/dev/fd/") || (path.starts_with("/proc/") && path.find("/fd/") != std::string::npos);
}

// Follows symbolic links (at most 40) to the file that is really written.
ResolvedPath FinalTarget(const std::string& path) {
  ResolvedPath resolved{path};
  std::string& current = resolved.path;
  for (int depth = 0; depth < 40; ++depth) {
    resolved.throughDescriptors = resolved.throughDescriptors || IsDescriptorPath(current);
    struct stat info {};
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return resolved;
    std::vector<char> link(std::size_t(info.st_size > 0 ? info.st_size : 4096) + 1);
    const ssize_t n = readlink(current.c_str(), link.data(), link.size() - 1);
    if (n < 0) return resolved;
    std::string next(link.data(), std::size_t(n));
    if (!next.empty() && next[0] != '/') {
      const auto slash = current.rfind('/');
      if (slash != std::string::npos) next = current.substr(0, slash + 1) + next;
    }
    current = std::move(next);
  }
  return resolved;
}

// The umask can only be read by setting it, so it is read once: a batch
// writes files on several threads, and a second reader between the two calls
// would take the 0 set by the first for the process's mask.
mode_t NewFileMode() {
  static const mode_t mask = [] {
    const mode_t current = umask(0);
    umask(current);
    return current;
  }();
  return 0666 & ~mask;
}

// errno of the failure, or 0 when every byte was written.
int WriteAll(int fd, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    written += std::size_t(n);
  }
  return 0;
}

// Into an existing file through its own path, as cp writes: devices and FIFOs
// (whose readers get the bytes), and files that cannot be replaced.
std::optional<std::string> WriteInPlace(const std::string& path, std::string_view bytes, int extraFlags) {
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | extraFlags);
  if (fd < 0) return Describe(path, errno);
  const int error = WriteAll(fd, bytes);
  const int closed = close(fd) == 0 ? 0 : errno;
  if (error != 0 || closed != 0) return Describe(path, error != 0 ? error : closed);
  return std::nullopt;
}

// The temporary file beside `target`, written, then renamed over it.
std::optional<std::string> ReplaceAtomically(const std::string& path, const std::string& target,
                                             const struct stat* existing, std::string_view bytes) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.empty()) return Describe(path, EISDIR);
  std::string temporary = folder + TemporaryNameFor(name);
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    const int error = errno;
    // A file we may change in a folder we may not: no temporary can stand beside it.
    if (existing && (error == EACCES || error == EPERM) && access(target.c_str(), W_OK) == 0) {
      return WriteInPlace(target, bytes, O_TRUNC);
    }
    return Describe(path, error);
  }
  const RemovedOnSignal guard(temporary);
  fchmod(fd, existing ? (existing->st_mode & 07777) : NewFileMode());
  int error = WriteAll(fd, bytes);
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error == 0) return std::nullopt;
  unlink(temporary.c_str());
  return Describe(path, error);
}

// A new file made whole before it has a name: an unnamed file in the target's
// folder, written, then linked in under the target's name. It needs one change
// to the folder where a temporary file needs two (create, rename), and if the
// run dies first there is nothing to remove. False when the file system or the
// kernel cannot (no O_TMPFILE, no /proc), or when the name was taken meanwhile:
// the caller then writes through a temporary file, which also names any error.
bool CreateUnnamedThenLink(const std::string& target, std::string_view bytes) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  const bool linked = WriteAll(fd, bytes) == 0 && linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0;
  close(fd);
  return linked;
}

}  // namespace

CleanupHandlers::CleanupHandlers() {
  const std::lock_guard lock(gHandlersMutex);
  if (gGuards++ > 0) return;
  struct sigaction cleanup {};
  cleanup.sa_handler = RemoveAndResignal;
  sigemptyset(&cleanup.sa_mask);
  for (std::size_t i = 0; i < kCleanupSignals.size(); ++i) {
    sigaction(kCleanupSignals[i], nullptr, &gPrevious[i]);
    if (gPrevious[i].sa_handler != SIG_IGN) sigaction(kCleanupSignals[i], &cleanup, nullptr);
  }
}

CleanupHandlers::~CleanupHandlers() {
  const std::lock_guard lock(gHandlersMutex);
  if (--gGuards > 0) return;
  for (std::size_t i = 0; i < kCleanupSignals.size(); ++i) sigaction(kCleanupSignals[i], &gPrevious[i], nullptr);
}

RemovedOnSignal::RemovedOnSignal(const std::string& path) {
  if (path.size() >= PATH_MAX) return;
  for (std::size_t i = 0; i < kRemovalSlots; ++i) {
    if (gRemovals[i].taken.exchange(true)) continue;
    std::memcpy(gRemovals[i].path, path.c_str(), path.size() + 1);
    gRemovals[i].pending = 1;
    slot_ = int(i);
    handlers_.emplace();
    break;
  }
}

RemovedOnSignal::~RemovedOnSignal() {
  if (slot_ < 0) return;
  gRemovals[slot_].pending = 0;
  gRemovals[slot_].taken = false;
}

std::string TemporaryNameFor(std::string_view name) {
  constexpr std::size_t kAdded = std::string_view("..XXXXXX").size();
  std::size_t keep = std::min(name.size(), std::size_t(NAME_MAX) - kAdded);
  while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
  return "." + std::string(name.substr(0, keep)) + ".XXXXXX";
}

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  struct stat existing {};
  if (stat(path.c_str(), &existing) != 0) {
    if (errno != ENOENT) return Describe(path, errno);
    const std::string target = FinalTarget(path).path;
    if (CreateUnnamedThenLink(target, bytes)) return std::nullopt;
    return ReplaceAtomically(path, target, nullptr, bytes);
  }
  if (S_ISDIR(existing.st_mode)) return Describe(path, "it is a folder");
  if (!S_ISREG(existing.st_mode)) return WriteInPlace(path, bytes, 0);
  // A file reached through a process's descriptors (/dev/stdout, /dev/fd/N) is
  // one the caller opened for us: replacing it would leave that descriptor on
  // the old file. Links the kernel resolves by itself may also name no file we
  // could put a temporary beside. Either way the file is written through its path.
  const ResolvedPath target = FinalTarget(path);
  struct stat resolved {};
  if (target.throughDescriptors || lstat(target.path.c_str(), &resolved) != 0 ||
      resolved.st_ino != existing.st_ino || resolved.st_dev != existing.st_dev) {
    return WriteInPlace(path, bytes, O_TRUNC);
  }
  return ReplaceAtomically(path, target.path, &existing, bytes);
}

}  // namespace kbc
