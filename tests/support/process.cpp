#include "support/process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

extern char** environ;

namespace kbc::test {

ProcessResult RunProgram(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv,
                         const std::string& workingFolder) {
  ProcessResult result;
  int outPipe[2], errPipe[2];
  // Close-on-exec: the child keeps only its dup2 copies, so nothing it starts holds our pipes open.
  if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) return result;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
  if (!workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());

  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  // getenv takes the first entry of a name: an extra one must replace the inherited one.
  for (char** e = environ; *e; ++e) {
    const std::string_view entry(*e);
    const std::string_view name = entry.substr(0, entry.find('=') + 1);
    const bool replaced = !name.empty() && std::ranges::any_of(extraEnv, [name](const std::string& extra) {
      return extra.starts_with(name);
    });
    if (!replaced) envp.push_back(*e);
  }
  for (const auto& e : extraEnv) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);

  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(outPipe[1]);
  close(errPipe[1]);
  if (spawned != 0) {
    close(outPipe[0]);
    close(errPipe[0]);
    return result;
  }

  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[65536];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, std::size_t(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

ProcessResult RunKbc(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv,
                     const std::string& workingFolder) {
  std::vector<std::string> all{KBC_EXECUTABLE};
  all.insert(all.end(), args.begin(), args.end());
  return RunProgram(all, extraEnv, workingFolder);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::string& path, std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string TempDir() {
  // Empty when no directory could be made, so nothing is removed at exit.
  static const std::string root = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "kbc-test-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
  }();
  // Registered once root exists, so the handler runs before root is destroyed.
  [[maybe_unused]] static const bool removedAtExit = std::atexit([] {
    std::error_code ignored;
    if (!TempDir().empty()) std::filesystem::remove_all(TempDir(), ignored);
  }) == 0;
  return root;
}

std::string FreshFolder(const std::string& name) {
  const std::string folder = TempDir() + "/" + name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace kbc::test
