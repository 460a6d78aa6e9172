#include "service/access_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "request/options.h"

namespace kbc {
namespace {

// A logged request line is cut here: the data of a long request is not worth
// a long log.
constexpr std::size_t kLongestLoggedUri = 512;

}  // namespace

Status AccessLog::Reopen() const {
  if (path_.empty()) return Done{};
  const int fd = open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0640);
  if (fd < 0) return Refusal("cannot open the log \"" + path_ + "\": " + std::strerror(errno));
  const bool moved = dup2(fd, STDERR_FILENO) >= 0;
  close(fd);
  if (!moved) return Refusal("cannot make the log \"" + path_ + "\" standard error: " + std::strerror(errno));
  return Done{};
}

void AccessLog::Write(std::string_view client, std::string_view method, std::string_view uri, int status,
                      std::size_t bytes, double seconds) const {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char when[32];
  std::strftime(when, sizeof when, "%Y-%m-%dT%H:%M:%SZ", &utc);
  char figures[64];
  std::snprintf(figures, sizeof figures, "\" %d %zu %.6f\n", status, bytes, seconds);
  // Control characters in the request line are escaped, so that a request
  // cannot forge a log line.
  const std::string line = std::string(when) + " " + std::string(client) + " \"" + OneLine(method) + " " +
                            OneLine(uri.substr(0, kLongestLoggedUri)) + (uri.size() > kLongestLoggedUri ? "..." : "") +
                            figures;
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
}

}  // namespace kbc
