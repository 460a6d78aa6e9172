#include "platform/cache_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/atomic_file.h"

namespace kbc {
namespace {

bool MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

}  // namespace

std::string CacheFilePath(std::string_view name) {
  std::string folder;
  if (const char* base = std::getenv("XDG_CACHE_HOME"); base && *base) {
    folder = base;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    folder = std::string(home) + "/.cache";
  } else {
    return {};
  }
  return folder + "/KestrovaBarCode/" + std::string(name);
}

std::string FileStamp(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0) return "-";
  return std::to_string(info.st_mtim.tv_sec) + '.' + std::to_string(info.st_mtim.tv_nsec) + ':' +
         std::to_string(info.st_ino) + ':' + std::to_string(info.st_size);
}

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Bytes outside printable ASCII, spaces and '%' become %XX, after a leading '='.
std::string EscapeField(std::string_view text) {
  std::string out = "=";
  out.reserve(text.size() + 1);
  for (const unsigned char c : text) {
    if (c > 0x20 && c < 0x7F && c != '%') {
      out.push_back(char(c));
    } else {
      out += {'%', kHexDigits[c >> 4], kHexDigits[c & 0xF]};
    }
  }
  return out;
}

bool UnescapeField(std::string_view word, std::string& text) {
  if (word.empty() || word[0] != '=') return false;
  text.clear();
  text.reserve(word.size());
  for (std::size_t i = 1; i < word.size(); ++i) {
    if (word[i] != '%') {
      text.push_back(word[i]);
      continue;
    }
    if (i + 2 >= word.size()) return false;
    const std::size_t high = kHexDigits.find(word[i + 1]);
    const std::size_t low = kHexDigits.find(word[i + 2]);
    if (high == std::string_view::npos || low == std::string_view::npos) return false;
    text.push_back(char(high * 16 + low));
    i += 2;
  }
  return true;
}

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  while (!line.empty()) {
    const std::size_t end = std::min(line.find(' '), line.size());
    words.push_back(line.substr(0, end));
    line.remove_prefix(std::min(end + 1, line.size()));
  }
  return words;
}

std::string_view NextLine(std::string_view text, std::size_t& start) {
  const std::size_t end = std::min(text.find('\n', start), text.size());
  const std::string_view line = text.substr(start, end - start);
  start = end + 1;
  return line;
}


MappedFile::MappedFile(const std::string& path) {
  if (path.empty()) return;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    void* data = mmap(nullptr, std::size_t(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (data != MAP_FAILED) {
      data_ = data;
      size_ = std::size_t(info.st_size);
    }
  }
  close(fd);
}

MappedFile::~MappedFile() {
  if (data_) munmap(data_, size_);
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    if (data_) munmap(data_, size_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

CacheText MapCacheFile(const std::string& path, std::string_view header) {
  CacheText cache;
  cache.file = MappedFile(path);
  cache.text = cache.file.text();
  std::size_t start = 0;
  cache.readable = NextLine(cache.text, start) == header && start <= cache.text.size() &&
                   UnescapeField(NextLine(cache.text, start), cache.stamp);
  cache.entries = cache.readable ? std::min(start, cache.text.size()) : cache.text.size();
  return cache;
}

CacheText ReadCacheText(const std::string& path, std::string_view header, std::string_view stamp) {
  CacheText cache = MapCacheFile(path, header);
  if (cache.stamp != stamp) cache.entries = cache.text.size();
  return cache;
}

std::optional<CacheContents> ReadCacheFile(const std::string& path, std::string_view header) {
  const CacheText cache = MapCacheFile(path, header);
  if (!cache.readable) return std::nullopt;
  CacheContents contents{cache.stamp, {}};
  for (std::size_t start = cache.entries; start < cache.text.size();) {
    contents.entries.emplace_back(NextLine(cache.text, start));
  }
  return contents;
}

std::vector<std::string> ReadCacheEntries(const std::string& path, std::string_view header, std::string_view stamp) {
  std::optional<CacheContents> contents = ReadCacheFile(path, header);
  if (!contents || contents->stamp != stamp) return {};
  return std::move(contents->entries);
}

void WriteCacheEntries(const std::string& path, std::string_view header, std::string_view stamp,
                       const std::vector<std::string>& entries, std::size_t maxBytes) {
  if (path.empty() || !MakeFolders(path)) return;
  std::string text = std::string(header) + '\n' + EscapeField(stamp) + '\n';
  for (const std::string& entry : entries) {
    if (text.size() + entry.size() + 1 > maxBytes) break;
    text += entry + '\n';
  }
  WriteFileAtomically(path, text);
}

}  // namespace kbc
