#include "files/atomic_file.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "files/descriptor.h"

namespace kbc {
namespace {

constexpr std::array<int, 3> kCleanupSignals = {SIGINT, SIGTERM, SIGHUP};

// A signal handler can reach nothing but static storage, so the paths of the
// temporary files being written live here: one slot per file written at the
// same time (a batch writes on up to 64 threads, each of which may also be
// writing a cache file when it ends).
constexpr std::size_t kRemovalSlots = 160;

// A slot's path is set while it is reserved; the handler removes the file of
// a slot being created or created. Creating is marked before the file is made
// and the cleanup flag read after, while the handler sets the flag before it
// reads the marks: either the handler sees the mark, or the creator sees the
// flag and makes nothing.
enum SlotState : int { kFree, kReserved, kCreating, kCreated };

// All zeros at start-up, so no constructor touches their pages: a run that
// writes one file faults in one path, not 640 KiB. The states are apart from
// the paths so that the handler's pass reads one page of them.
constinit char gRemovalPaths[kRemovalSlots][PATH_MAX]{};
constinit std::atomic<int> gRemovalStates[kRemovalSlots]{};
constinit std::atomic<pid_t> gRemovalOwners[kRemovalSlots]{};
constinit std::atomic<bool> gCleanupStarted{false};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<pid_t>::is_always_lock_free &&
              std::atomic<bool>::is_always_lock_free);

// The handlers are installed while at least one guard lives.
std::mutex gHandlersMutex;
int gGuards = 0;
std::array<struct sigaction, kCleanupSignals.size()> gPrevious{};

void RemoveAndResignal(int signal) {
  gCleanupStarted = true;
  const pid_t self = gettid();
  for (std::size_t i = 0; i < kRemovalSlots; ++i) {
    int state = gRemovalStates[i];
    // Another thread is between marking its file and making it: the open
    // ends soon, and the file it makes must go too. (Bounded, should that
    // thread itself be stopped in a handler.)
    for (int wait = 0; state == kCreating && gRemovalOwners[i] != self && wait < 100000; ++wait) {
      sched_yield();
      state = gRemovalStates[i];
    }
    if (state == kCreating || state == kCreated) unlink(gRemovalPaths[i]);
  }
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  // Blocked while the handler runs; delivered with the default action on return.
  raise(signal);
}

int ReserveRemovalSlot() {
  for (;;) {
    for (std::size_t i = 0; i < kRemovalSlots; ++i) {
      int expected = kFree;
      if (gRemovalStates[i].compare_exchange_strong(expected, kReserved)) return int(i);
    }
    std::this_thread::yield();
  }
}

// Six name characters for a temporary file: the pid, the thread, the time and
// a per-thread sequence mixed, so that threads and processes rarely collide
// (a collision costs one more try, as the file is made exclusively).
void FillRandomName(std::string& name) {
  constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::uint64_t sequence = 0;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::uint64_t bits = (std::uint64_t(getpid()) << 32) ^ std::uint64_t(gettid()) ^
                       (std::uint64_t(now.tv_nsec) << 20) ^ std::uint64_t(now.tv_sec) ^ (++sequence << 44);
  for (std::size_t i = name.size() - 6; i < name.size(); ++i) {
    bits = (bits ^ (bits >> 31)) * 0xBF58476D1CE4E5B9ull;
    name[i] = kLetters[(bits >> 40) % kLetters.size()];
  }
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

// Whether the path names an entry of a descriptor folder, also when it gets
// there through a link to the folder (a link to /proc/self/fd, say).
bool ThroughDescriptors(const std::string& path) {
  if (IsDescriptorPath(path)) return true;
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  char real[PATH_MAX];
  return realpath(folder.c_str(), real) != nullptr && IsDescriptorPath(std::string(real) + '/');
}

// Follows symbolic links (at most 40) to the file that is really written.
ResolvedPath FinalTarget(const std::string& path) {
  ResolvedPath resolved{path};
  std::string& current = resolved.path;
  for (int depth = 0; depth < 40; ++depth) {
    resolved.throughDescriptors = resolved.throughDescriptors || ThroughDescriptors(current);
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

// Through the descriptor, so that no path is walked again; errors are ignored
// as the attribute's contract says.
void SetAttribute(int fd, const std::optional<ExtendedAttribute>& attribute) {
  if (!attribute) return;
  const std::string name(attribute->name);
#if defined(__APPLE__)
  fsetxattr(fd, name.c_str(), attribute->value.data(), attribute->value.size(), 0, 0);
#else
  fsetxattr(fd, name.c_str(), attribute->value.data(), attribute->value.size(), 0);
#endif
}

// Into an existing file through its own path, as cp writes: devices and FIFOs
// (whose readers get the bytes), and files that cannot be replaced.
Status WriteInPlace(const std::string& path, std::string_view bytes, int extraFlags,
                    const std::optional<ExtendedAttribute>& attribute) {
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | extraFlags);
  if (fd < 0) return Refusal(Describe(path, errno));
  const int error = WriteAll(fd, bytes);
  if (error == 0) SetAttribute(fd, attribute);
  const int closed = close(fd) == 0 ? 0 : errno;
  if (error != 0 || closed != 0) return Refusal(Describe(path, error != 0 ? error : closed));
  return Done{};
}

// The temporary file beside `target`, written, then renamed over it.
Status ReplaceAtomically(const std::string& path, const std::string& target, const struct stat* existing,
                         std::string_view bytes, const std::optional<ExtendedAttribute>& attribute) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.empty()) return Refusal(Describe(path, EISDIR));
  TemporaryFile temporary(folder, AT_FDCWD, name, existing ? (existing->st_mode & 07777) : NewFileMode());
  if (temporary.Fd() < 0) {
    const int error = temporary.Error();
    // A file we may change in a folder we may not: no temporary can stand beside it.
    if (existing && (error == EACCES || error == EPERM) && access(target.c_str(), W_OK) == 0) {
      return WriteInPlace(target, bytes, O_TRUNC, attribute);
    }
    return Refusal(Describe(path, error));
  }
  // The umask trims the mode a file is made with; a replaced file keeps its own exactly.
  fchmod(temporary.Fd(), existing ? (existing->st_mode & 07777) : NewFileMode());
  int error = WriteAll(temporary.Fd(), bytes);
  if (error == 0) {
    SetAttribute(temporary.Fd(), attribute);
    error = temporary.CloseAndRename(name);
  }
  if (error == 0) return Done{};
  return Refusal(Describe(path, error));
}

// A new file made whole before it has a name: an unnamed file in the target's
// folder, written, then linked in under the target's name. It needs one change
// to the folder where a temporary file needs two (create, rename), and if the
// run dies first there is nothing to remove. False when the file system or the
// kernel cannot (no O_TMPFILE, no /proc), or when the name was taken meanwhile:
// the caller then writes through a temporary file, which also names any error.
bool CreateUnnamedThenLink(const std::string& target, std::string_view bytes,
                           const std::optional<ExtendedAttribute>& attribute) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  const bool written = WriteAll(fd, bytes) == 0;
  if (written) SetAttribute(fd, attribute);
  // After a cleanup signal no new file appears, not even a whole one.
  const bool linked = written && !CleanupStarted() && linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0;
  close(fd);
  return linked;
}

// Gives an unnamed file its name. Linking the descriptor itself spares the
// kernel a walk through /proc; kernels before 6.10 allow that only to
// processes that may read any folder, and answer the others ENOENT, who then
// go by /proc.
bool LinkUnnamed(int fd, int folderFd, const std::string& name) {
  if (linkat(fd, "", folderFd, name.c_str(), AT_EMPTY_PATH) == 0) return true;
  if (errno != ENOENT && errno != EPERM) return false;
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return linkat(AT_FDCWD, self.c_str(), folderFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// The usual case of a batch: a new name in a folder that is no descriptor
// folder. The folder's path is walked once and the rest happens relative to
// it, where the general way walks the path seven times (stat, the link check,
// realpath's steps, the unnamed file, its link through /proc, the attribute).
// That costs more kernel time than drawing a label. False for every other case
// (the name exists, even as a dangling link; the folder is on procfs; no
// O_TMPFILE; any failure): the general way then decides, and names any error.
bool WroteNewFileInPlainFolder(const std::string& path, std::string_view bytes,
                                                const std::optional<ExtendedAttribute>& attribute) {
  if (IsDescriptorPath(path)) return false;
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty() || name == "." || name == "..") return false;
  const Descriptor folderFd(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  // Descriptor folders exist only on procfs: a folder elsewhere reaches none.
  struct statfs system {};
  if (folderFd.get() < 0 || fstatfs(folderFd.get(), &system) != 0 || system.f_type == PROC_SUPER_MAGIC) {
    return false;
  }
  struct stat existing {};
  if (fstatat(folderFd.get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT) return false;
  const Descriptor fd(openat(folderFd.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (fd.get() < 0 || WriteAll(fd.get(), bytes) != 0) return false;
  SetAttribute(fd.get(), attribute);
  // After a cleanup signal no new file appears, not even a whole one.
  return !CleanupStarted() && LinkUnnamed(fd.get(), folderFd.get(), name);
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

bool CleanupStarted() { return gCleanupStarted; }

TemporaryFile::TemporaryFile(const std::string& folder, int folderFd, std::string_view targetName, mode_t mode)
    : folderFd_(folderFd), prefix_(folderFd == AT_FDCWD ? folder : std::string()),
      name_(TemporaryNameFor(targetName)) {
  if (folder.size() + name_.size() >= PATH_MAX) {
    error_ = ENAMETOOLONG;
    return;
  }
  slot_ = ReserveRemovalSlot();
  handlers_.emplace();
  gRemovalOwners[slot_] = gettid();
  for (int attempt = 0; attempt < 100; ++attempt) {
    FillRandomName(name_);
    std::memcpy(gRemovalPaths[slot_], folder.data(), folder.size());
    std::memcpy(gRemovalPaths[slot_] + folder.size(), name_.c_str(), name_.size() + 1);
    gRemovalStates[slot_] = kCreating;
    if (gCleanupStarted) {
      gRemovalStates[slot_] = kReserved;
      error_ = ECANCELED;
      return;
    }
    fd_ = openat(folderFd_, (prefix_ + name_).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode);
    error_ = fd_ < 0 ? errno : 0;
    gRemovalStates[slot_] = fd_ >= 0 ? kCreated : kReserved;
    if (error_ != EEXIST) return;
  }
}

TemporaryFile::~TemporaryFile() {
  if (fd_ >= 0) {
    close(fd_);
    unlinkat(folderFd_, (prefix_ + name_).c_str(), 0);
  }
  if (slot_ >= 0) gRemovalStates[slot_] = kFree;
}

int TemporaryFile::CloseAndRename(std::string_view targetName) {
  const int fd = std::exchange(fd_, -1);
  int error = close(fd) == 0 ? 0 : errno;
  const std::string from = prefix_ + name_;
  if (error == 0 && renameat(folderFd_, from.c_str(), folderFd_, (prefix_ + std::string(targetName)).c_str()) != 0) {
    error = errno;
  }
  if (error != 0) unlinkat(folderFd_, from.c_str(), 0);
  gRemovalStates[slot_] = kReserved;
  return error;
}

std::string TemporaryNameFor(std::string_view name) {
  constexpr std::size_t kAdded = std::string_view("..XXXXXX").size();
  std::size_t keep = std::min(name.size(), std::size_t(NAME_MAX) - kAdded);
  while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
  return "." + std::string(name.substr(0, keep)) + ".XXXXXX";
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                           std::optional<ExtendedAttribute> attribute) {
  if (WroteNewFileInPlainFolder(path, bytes, attribute)) return Done{};
  struct stat existing {};
  if (stat(path.c_str(), &existing) != 0) {
    if (errno != ENOENT) return Refusal(Describe(path, errno));
    const ResolvedPath resolved = FinalTarget(path);
    if (resolved.throughDescriptors) {
      return Refusal(Describe(path, "it leads through a process's descriptors to no file"));
    }
    const std::string& target = resolved.path;
    if (CreateUnnamedThenLink(target, bytes, attribute)) return Done{};
    return ReplaceAtomically(path, target, nullptr, bytes, attribute);
  }
  if (S_ISDIR(existing.st_mode)) return Refusal(Describe(path, "it is a folder"));
  if (!S_ISREG(existing.st_mode)) return WriteInPlace(path, bytes, 0, attribute);
  // A file reached through a process's descriptors (/dev/stdout, /dev/fd/N) is
  // one the caller opened for us: replacing it would leave that descriptor on
  // the old file. Links the kernel resolves by itself may also name no file we
  // could put a temporary beside. Either way the file is written through its path.
  const ResolvedPath target = FinalTarget(path);
  struct stat resolved {};
  if (target.throughDescriptors || lstat(target.path.c_str(), &resolved) != 0 ||
      resolved.st_ino != existing.st_ino || resolved.st_dev != existing.st_dev) {
    return WriteInPlace(path, bytes, O_TRUNC, attribute);
  }
  return ReplaceAtomically(path, target.path, &existing, bytes, attribute);
}

}  // namespace kbc
