#include "files/preferences.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/user_folders.h"
#include "text/utf8.h"

namespace kbc {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct FileCloser {
  int fd;
  ~FileCloser() { close(fd); }
};

// The whole file, or nothing when it is missing or not a regular file: opening
// does not wait for a FIFO's writer, and a FIFO or device is never read.
std::optional<std::string> ReadRegularFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  const FileCloser closer{fd};
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n == 0 ? std::optional<std::string>(std::move(text)) : std::nullopt;
    text.append(buffer, std::size_t(n));
  }
}

// Values are UTF-8; a value that is not was written in Latin-1, whose bytes
// are the first 256 code points.
std::string AsUtf8(const std::string& value) {
  if (ToUtf8(FromUtf8(value)) == value) return value;
  std::u32string latin1;
  for (const char byte : value) latin1.push_back(char32_t(static_cast<unsigned char>(byte)));
  return ToUtf8(latin1);
}

}  // namespace

std::string PreferencesPath() {
  const std::string base = XdgBaseFolder("XDG_CONFIG_HOME", ".config");
  return base.empty() ? base : base + "/KestrovaBarCode/preferences";
}

std::optional<std::string> PreferenceValueIn(std::string_view fileText, std::string_view key) {
  while (!fileText.empty()) {
    const std::size_t end = fileText.find('\n');
    std::string_view line = fileText.substr(0, end);
    fileText = end == std::string_view::npos ? std::string_view() : fileText.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.starts_with('#')) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || TrimBlanks(line.substr(0, equals)) != key) continue;
    return std::string(line.substr(equals + 1));
  }
  return std::nullopt;
}

bool ReadPreferenceString(std::string_view key, std::string& out) {
  const std::string path = PreferencesPath();
  if (path.empty()) return false;
  const std::optional<std::string> text = ReadRegularFile(path);
  if (!text) return false;
  const std::optional<std::string> value = PreferenceValueIn(*text, key);
  if (!value) return false;
  out += AsUtf8(*value);
  return true;
}

}  // namespace kbc
