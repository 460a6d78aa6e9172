#include "platform/clipboard.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

extern char** environ;

namespace kbc {
namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value && value[0] != '\0';
}

struct SpawnActions {
  posix_spawn_file_actions_t actions;
  SpawnActions() { posix_spawn_file_actions_init(&actions); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
};

// Writing into a pipe whose reader died must fail with EPIPE, not end the run.
class IgnoredBrokenPipe {
 public:
  IgnoredBrokenPipe() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &previous_);
  }
  ~IgnoredBrokenPipe() { sigaction(SIGPIPE, &previous_, nullptr); }

 private:
  struct sigaction previous_ {};
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(std::size_t(written));
  }
  return true;
}

}  // namespace

Status CopyPdfToClipboard(std::string_view pdf) {
  std::vector<std::string> args;
  if (IsSet("WAYLAND_DISPLAY")) {
    args = {"wl-copy", "--type", "application/pdf"};
  } else if (IsSet("DISPLAY")) {
    args = {"xclip", "-selection", "clipboard", "-t", "application/pdf", "-i"};
  } else {
    return Refusal("no clipboard: neither WAYLAND_DISPLAY nor DISPLAY is set");
  }
  const std::string& tool = args.front();

  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
    return Refusal("cannot make a pipe for " + tool + ": " + std::strerror(errno));
  }
  // The tool keeps serving the selection in the background: it must hold none of
  // our descriptors (stdout, stderr or any other pipe we inherited), or whoever
  // reads them would wait for it.
  SpawnActions spawn;
  posix_spawn_file_actions_adddup2(&spawn.actions, pipeEnds[0], 0);
  posix_spawn_file_actions_addopen(&spawn.actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&spawn.actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&spawn.actions, 3);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, tool.c_str(), &spawn.actions, nullptr, argv.data(), environ);
  close(pipeEnds[0]);
  if (spawned != 0) {
    close(pipeEnds[1]);
    return Refusal("cannot run " + tool + ": " + std::strerror(spawned));
  }

  bool fed = false;
  int feedError = 0;
  {
    IgnoredBrokenPipe guard;
    fed = WriteAll(pipeEnds[1], pdf);
    feedError = errno;
  }
  close(pipeEnds[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return Refusal(tool + " could not take the clipboard" +
            (WIFEXITED(status) ? " (exit status " + std::to_string(WEXITSTATUS(status)) + ")" : std::string()));
  }
  if (!fed) {
    return Refusal("cannot feed the PDF to " + tool + ": " + std::strerror(feedError));
  }
  return Done{};
}

}  // namespace kbc
