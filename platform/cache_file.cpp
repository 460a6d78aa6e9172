#include "platform/cache_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <iterator>

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

namespace {

// Read with stdio: a stream would set up a locale first, which costs a run more
// than the whole cache look-up.
std::optional<std::string> ReadWholeFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::string text;
  struct stat info {};
  if (fstat(fileno(file), &info) == 0 && info.st_size > 0) text.resize(std::size_t(info.st_size));
  text.resize(std::fread(text.data(), 1, text.size(), file));
  std::fclose(file);
  return text;
}

// The next line of `text` from `start` (without its line feed); `start` moves past it.
std::string_view NextLine(std::string_view text, std::size_t& start) {
  const std::size_t end = std::min(text.find('\n', start), text.size());
  const std::string_view line = text.substr(start, end - start);
  start = end + 1;
  return line;
}

}  // namespace

std::optional<CacheContents> ReadCacheFile(const std::string& path, std::string_view header) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return std::nullopt;
  std::size_t start = 0;
  CacheContents contents;
  if (NextLine(*text, start) != header || start > text->size() ||
      !UnescapeField(NextLine(*text, start), contents.stamp)) {
    return std::nullopt;
  }
  while (start < text->size()) contents.entries.emplace_back(NextLine(*text, start));
  return contents;
}

CacheText ReadCacheText(const std::string& path, std::string_view header, std::string_view stamp) {
  CacheText cache;
  std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return cache;
  cache.text = std::move(*text);
  std::size_t start = 0;
  const bool current = NextLine(cache.text, start) == header && start <= cache.text.size() &&
                       NextLine(cache.text, start) == EscapeField(stamp);
  cache.entries = current ? std::min(start, cache.text.size()) : cache.text.size();
  return cache;
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
