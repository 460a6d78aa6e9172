#include "platform/cache_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

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

// Bytes outside printable ASCII, spaces and '%' become %XX, after a leading '='.
std::string EscapeField(std::string_view text) {
  std::string out = "=";
  for (const unsigned char c : text) {
    if (c > 0x20 && c < 0x7F && c != '%') {
      out.push_back(char(c));
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      out += hex;
    }
  }
  return out;
}

bool UnescapeField(std::string_view word, std::string& text) {
  if (word.empty() || word[0] != '=') return false;
  text.clear();
  for (std::size_t i = 1; i < word.size(); ++i) {
    if (word[i] != '%') {
      text.push_back(word[i]);
      continue;
    }
    if (i + 2 >= word.size()) return false;
    const std::string hex(word.substr(i + 1, 2));
    char* end = nullptr;
    const long value = std::strtol(hex.c_str(), &end, 16);
    if (end != hex.c_str() + 2) return false;
    text.push_back(char(value));
    i += 2;
  }
  return true;
}

std::optional<CacheContents> ReadCacheFile(const std::string& path, std::string_view header) {
  if (path.empty()) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  CacheContents contents;
  if (!in || !std::getline(in, line) || line != header) return std::nullopt;
  if (!std::getline(in, line) || !UnescapeField(line, contents.stamp)) return std::nullopt;
  while (std::getline(in, line)) contents.entries.push_back(line);
  return contents;
}

std::vector<std::string> ReadCacheEntries(const std::string& path, std::string_view header, std::string_view stamp) {
  std::optional<CacheContents> contents = ReadCacheFile(path, header);
  if (!contents || contents->stamp != stamp) return {};
  return std::move(contents->entries);
}

void WriteCacheEntries(const std::string& path, std::string_view header, std::string_view stamp,
                       const std::vector<std::string>& entries, std::size_t limit) {
  if (path.empty() || !MakeFolders(path)) return;
  std::string text = std::string(header) + '\n' + EscapeField(stamp) + '\n';
  for (std::size_t i = 0; i < entries.size() && i < limit; ++i) text += entries[i] + '\n';
  WriteFileAtomically(path, text);
}

}  // namespace kbc
