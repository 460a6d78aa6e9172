// One line per answered request on standard error: the time, the client, the
// request line, the status, the body's bytes and the seconds taken. With a
// log file, standard error is that file, opened again on request (SIGHUP)
// after a log rotation has moved it away.
#pragma once

#include <string>
#include <string_view>

#include "core/result.h"

namespace kbc {

class AccessLog {
 public:
  // An empty path keeps standard error as it is.
  explicit AccessLog(std::string path) : path_(std::move(path)) {}
  // Opens the file (again) as standard error; nothing without a file.
  Status Reopen() const;
  // One line, written with one write: lines of concurrent requests never interleave.
  void Write(std::string_view client, std::string_view method, std::string_view uri, int status, std::size_t bytes,
             double seconds) const;

 private:
  std::string path_;
};

}  // namespace kbc
