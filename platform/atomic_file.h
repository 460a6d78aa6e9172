// Writing an output file without harming what is already there.
//
// A regular file (or a new one) is written whole or not at all: the bytes go to
// a temporary file in the target's folder, which is then renamed over the target.
// A new file is written unnamed in that folder and then given its name, where
// the file system allows (O_TMPFILE).
// When the path is a symbolic link, the file it points to is replaced and the
// link kept. An atomic replace gives the file a new inode, so hard links to the
// old file keep the old contents.
//
// An existing target that is not a regular file (a device, FIFO or socket,
// /dev/stdout included) is written straight into, as cp does: it is never
// renamed over or unlinked. So is a regular file reached through a process's
// descriptors (/dev/stdout redirected to a file), and a regular file that may
// be changed in a folder that may not; neither is atomic. A folder is refused.
#pragma once

#include <signal.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kbc {

// Nothing on success; otherwise one line naming the path and the system error.
// An existing file keeps its permissions; a new one gets 0666 less the umask.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

// The name of the temporary file for a target named `name` (no folder):
// ".name.XXXXXX" for mkstemp, the copy of the name shortened (never inside a
// UTF-8 sequence) so that the whole fits in NAME_MAX bytes.
std::string TemporaryNameFor(std::string_view name);

// While one lives, SIGINT, SIGTERM and SIGHUP are handled by removing the
// files guarded at the time, then ending the program with the signal as before.
// Signals ignored when the first is made stay ignored. A batch keeps one for
// its whole run, so that its files do not each install and restore handlers.
class CleanupHandlers {
 public:
  CleanupHandlers();
  ~CleanupHandlers();
  CleanupHandlers(const CleanupHandlers&) = delete;
  CleanupHandlers& operator=(const CleanupHandlers&) = delete;
};

// While one lives, the signals above first remove the file at `path`. At most
// 64 files at a time: the handler can only reach fixed static storage.
class RemovedOnSignal {
 public:
  explicit RemovedOnSignal(const std::string& path);
  ~RemovedOnSignal();
  RemovedOnSignal(const RemovedOnSignal&) = delete;
  RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

 private:
  int slot_ = -1;  // the guarded path's place in static storage, -1 when unguarded
  std::optional<CleanupHandlers> handlers_;
};

}  // namespace kbc
