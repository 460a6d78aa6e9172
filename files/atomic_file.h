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
// be changed in a folder that may not; neither is atomic. A folder is refused,
// and so is a path through a descriptor link that leads nowhere (/dev/stdout
// with standard output closed): nothing is ever created or renamed there.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/result.h"

namespace kbc {

// An extended attribute a written file carries from the moment it has its
// name. Setting it may fail (a file system without them): the file is still
// written.
struct ExtendedAttribute {
  std::string_view name;
  std::string_view value;
};

// Refused with one line naming the path and the system error.
// An existing file keeps its permissions; a new one gets 0666 less the umask.
Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                           std::optional<ExtendedAttribute> attribute = std::nullopt);

// The name of the temporary file for a target named `name` (no folder):
// ".name.XXXXXX", the X's to be replaced, the copy of the name shortened (never inside a
// UTF-8 sequence) so that the whole fits in NAME_MAX bytes.
std::string TemporaryNameFor(std::string_view name);

// While one lives, SIGINT, SIGTERM and SIGHUP are handled by removing the
// temporary files that exist at the time, then ending the program with the
// signal as before. Signals ignored when the first is made stay ignored. A
// batch keeps one for its whole run, so that its files do not each install
// and restore handlers.
class CleanupHandlers {
 public:
  CleanupHandlers();
  ~CleanupHandlers();
  CleanupHandlers(const CleanupHandlers&) = delete;
  CleanupHandlers& operator=(const CleanupHandlers&) = delete;
};

// Whether a cleanup signal has come: the run is ending, and no new file may
// be started.
bool CleanupStarted();

// A new file beside a target, removed by the signals above from before it is
// created until it is renamed over the target or the object ends (which also
// removes it). Its name is TemporaryNameFor(target) with the X's replaced.
// After a cleanup signal none is created (error ECANCELED).
class TemporaryFile {
 public:
  // `folder` is empty or ends in '/'; `folderFd` is that folder opened, or
  // AT_FDCWD to reach it by its path.
  TemporaryFile(const std::string& folder, int folderFd, std::string_view targetName, mode_t mode);
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int Fd() const { return fd_; }
  int Error() const { return error_; }  // errno of the failure when Fd() is -1
  // Closes the file and renames it over `targetName` in the same folder: 0 or errno.
  int CloseAndRename(std::string_view targetName);

 private:
  int folderFd_;
  std::string prefix_;  // the folder's path when it is reached by path
  std::string name_;    // in the folder
  int fd_ = -1;
  int error_ = 0;
  int slot_ = -1;  // the file's place in static storage, where the handler finds its path
  std::optional<CleanupHandlers> handlers_;
};

}  // namespace kbc
