#include "text/text_out.h"

#include <unistd.h>

#include <cerrno>

namespace kbc {

bool TextOut::Write(std::string_view text) {
  if (captured_ != nullptr) {
    captured_->append(text);
    return true;
  }
  while (!text.empty() && !failed_) {
    const ssize_t n = write(fd_, text.data(), text.size());
    if (n > 0) {
      text.remove_prefix(std::size_t(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      failed_ = true;
    }
  }
  return !failed_;
}

bool TextOut::IsTerminal() const { return captured_ == nullptr && isatty(fd_) == 1; }

}  // namespace kbc
