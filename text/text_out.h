// Where the program's messages go: a file descriptor (standard output or
// error), or a string that a caller reads back. Text is written at once, with
// no buffer, so each message reaches a terminal or log whole and in order.
// Plain descriptor writes keep the C++ stream machinery (and the locale set-up
// it costs every run) out of the program.
#pragma once

#include <string>
#include <string_view>

namespace kbc {

class TextOut {
 public:
  explicit TextOut(int fd) : fd_(fd) {}
  explicit TextOut(std::string& captured) : captured_(&captured) {}

  // Writes all of the text; false (and failed() from then on) when it could
  // not be written, as to a full disk or a closed pipe.
  bool Write(std::string_view text);
  bool failed() const { return failed_; }
  bool IsTerminal() const;

 private:
  int fd_ = -1;
  std::string* captured_ = nullptr;
  bool failed_ = false;
};

}  // namespace kbc
