#include "caches/cache_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

#include "files/atomic_file.h"
#include "files/descriptor.h"
#include "files/user_folders.h"

namespace kbc {
namespace {

constexpr std::string_view kSumPrefix = "sum ";

struct SplitPath {
  std::string folder;  // ends in '/'
  std::string name;
};

SplitPath Split(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {"./", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// The cache folder opened when it can be trusted: a folder itself (not a link
// to one) of the effective user, which neither group nor others may write.
// A trailing slash would make open follow a link whatever O_NOFOLLOW says.
Descriptor OpenTrustedFolder(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  Descriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat info {};
  if (fd.get() < 0 || fstat(fd.get(), &info) != 0 || info.st_uid != geteuid() || (info.st_mode & 022) != 0) {
    return Descriptor(-1);
  }
  return fd;
}

// Whether a file's status is that of a cache file to trust.
bool IsTrustedFile(const struct stat& info, std::size_t maxBytes) {
  return S_ISREG(info.st_mode) && info.st_uid == geteuid() && info.st_size >= 0 &&
         std::uintmax_t(info.st_size) <= maxBytes;
}

// Makes the folders above and of a cache file that are missing, each 0700.
void MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
    mkdir(folder.substr(0, slash).c_str(), 0700);
  }
}

FileBytes ReadTrustedFile(const std::string& path, std::size_t maxBytes) {
  FileBytes bytes;
  if (path.empty()) return bytes;
  const SplitPath split = Split(path);
  const Descriptor folder = OpenTrustedFolder(split.folder);
  if (folder.get() < 0) return bytes;
  // Never waits on a FIFO or a device, never follows a link out of the folder.
  const Descriptor fd(openat(folder.get(), split.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat info {};
  if (fd.get() < 0 || fstat(fd.get(), &info) != 0 || !IsTrustedFile(info, maxBytes) || info.st_size == 0) {
    return bytes;
  }
  const auto size = std::size_t(info.st_size);
  auto data = std::make_unique_for_overwrite<char[]>(size);
  // Files are only ever replaced whole: one that ends early is being changed
  // in place by someone else, and is not used.
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = read(fd.get(), data.get() + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return bytes;
    done += std::size_t(n);
  }
  bytes.data = std::move(data);
  bytes.size = size;
  return bytes;
}

}  // namespace

// Each step is a bijection of the state (xor with the word, multiply by an
// odd number, xor-shift), so two texts of the same length that differ in one
// word, any one changed byte included, never have the same sum.
std::uint64_t ContentSum(std::string_view bytes) {
  const auto mix = [](std::uint64_t state, std::uint64_t word) {
    state = (state ^ word) * 0x9E3779B97F4A7C15ull;
    return state ^ (state >> 29);
  };
  std::uint64_t state = 0x243F6A8885A308D3ull ^ bytes.size();
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + i, 8);
    state = mix(state, word);
  }
  std::uint64_t tail = 0;
  if (i < bytes.size()) std::memcpy(&tail, bytes.data() + i, bytes.size() - i);
  state = mix(state, tail);
  return mix(state, state >> 32);
}

std::string SumLine(std::string_view body) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string line(kSumPrefix);
  const std::uint64_t sum = ContentSum(body);
  for (int shift = 60; shift >= 0; shift -= 4) line.push_back(kHex[(sum >> shift) & 0xF]);
  return line;
}

std::string CacheFolder() {
  const std::string base = XdgBaseFolder("XDG_CACHE_HOME", ".cache");
  if (base.empty()) return base;
  const std::string usual = base + "/KestrovaBarCode/";
  if (access(usual.c_str(), W_OK) == 0) return usual;
  MakeFolders(usual);
  if (access(usual.c_str(), W_OK) == 0) return usual;
  // A read-only home, as in many containers: the same cache in a folder of
  // our own under the runtime or the temporary folder, trusted or not by the
  // same checks as the usual one. In the shared temporary folder the name
  // carries the user, so that users do not fight over one; one planted there
  // by someone else fails those checks and leaves the run without the cache.
  if (const std::string runtime = AbsolutePathVariable("XDG_RUNTIME_DIR"); !runtime.empty()) {
    return runtime + "/KestrovaBarCode/";
  }
  const std::string temporary = AbsolutePathVariable("TMPDIR");
  return (temporary.empty() ? std::string("/tmp") : temporary) + "/KestrovaBarCode-" + std::to_string(geteuid()) + '/';
}

std::string CacheFilePath(std::string_view name) {
  const std::string folder = CacheFolder();
  return folder.empty() ? folder : folder + std::string(name);
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

CacheText ParseCacheText(std::string_view text, std::string_view header) {
  CacheText cache;
  cache.text = text;
  std::size_t start = 0;
  const bool headed = NextLine(text, start) == header && start < text.size();
  const std::string_view sum = headed ? NextLine(text, start) : std::string_view();
  // A file that fails its checksum is not used at all, not even in part.
  cache.readable = headed && start <= text.size() && sum == SumLine(text.substr(start)) &&
                   UnescapeField(NextLine(text, start), cache.stamp);
  cache.entries = cache.readable ? std::min(start, text.size()) : text.size();
  if (!cache.readable) cache.stamp.clear();
  return cache;
}

CacheText LoadCacheText(const std::string& path, std::string_view header, std::size_t maxBytes) {
  FileBytes file = ReadTrustedFile(path, maxBytes);
  CacheText cache = ParseCacheText(file.text(), header);
  cache.file = std::move(file);  // the bytes move, their text stays where it is
  return cache;
}

CacheText ReadCacheText(const std::string& path, std::string_view header, std::string_view stamp,
                        std::size_t maxBytes) {
  CacheText cache = LoadCacheText(path, header, maxBytes);
  if (cache.stamp != stamp) cache.entries = cache.text.size();
  return cache;
}

std::optional<CacheContents> ReadCacheFile(const std::string& path, std::string_view header, std::size_t maxBytes) {
  const CacheText cache = LoadCacheText(path, header, maxBytes);
  if (!cache.readable) return std::nullopt;
  CacheContents contents{cache.stamp, {}};
  for (std::size_t start = cache.entries; start < cache.text.size();) {
    contents.entries.emplace_back(NextLine(cache.text, start));
  }
  return contents;
}

std::vector<std::string> ReadCacheEntries(const std::string& path, std::string_view header, std::string_view stamp,
                                          std::size_t maxBytes) {
  std::optional<CacheContents> contents = ReadCacheFile(path, header, maxBytes);
  if (!contents || contents->stamp != stamp) return {};
  return std::move(contents->entries);
}

std::string CacheFileText(std::string_view header, std::string_view stamp, const std::vector<std::string>& entries,
                          std::size_t maxBytes) {
  std::string body = EscapeField(stamp) + '\n';
  const std::size_t fixed = header.size() + 1 + SumLine({}).size() + 1;
  for (const std::string& entry : entries) {
    if (fixed + body.size() + entry.size() + 1 > maxBytes) break;
    body += entry + '\n';
  }
  return std::string(header) + '\n' + SumLine(body) + '\n' + body;
}

void WriteCacheEntries(const std::string& path, std::string_view header, std::string_view stamp,
                       const std::vector<std::string>& entries, std::size_t maxBytes) {
  if (path.empty()) return;
  const std::string text = CacheFileText(header, stamp, entries, maxBytes);
  if (text.size() > maxBytes) return;  // the stamp alone is too long to be kept
  const SplitPath split = Split(path);
  MakeFolders(split.folder);
  const Descriptor folder = OpenTrustedFolder(split.folder);
  if (folder.get() < 0) return;
  // A name taken by anything but one of our cache files is left alone.
  struct stat existing {};
  if (fstatat(folder.get(), split.name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0 &&
      !IsTrustedFile(existing, std::numeric_limits<std::size_t>::max())) {
    return;
  }
  TemporaryFile temporary(split.folder, folder.get(), split.name, 0600);
  if (temporary.Fd() < 0) return;
  for (std::size_t written = 0; written < text.size();) {
    const ssize_t n = write(temporary.Fd(), text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    written += std::size_t(n);
  }
  temporary.CloseAndRename(split.name);
}

}  // namespace kbc
