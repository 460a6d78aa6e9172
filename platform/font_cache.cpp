#include "platform/font_cache.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/atomic_file.h"

namespace kbc {
namespace {

constexpr std::string_view kHeader = "KestrovaBarCode fonts 1";
constexpr std::size_t kMaxEntries = 32;  // -fontname takes any text; keep the file small

// Variables that move fontconfig's configuration, caches or font folders.
// The locale variables pick the default languages that matching prefers.
constexpr std::array<const char*, 11> kSetupVariables = {
    "FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "HOME",     "XDG_CONFIG_HOME",
    "XDG_DATA_HOME",   "XDG_CACHE_HOME",  "FC_LANG",            "LC_ALL",   "LC_CTYPE",
    "LANG",
};
static_assert(kSetupVariables.size() == 11);

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// A folder under an XDG base variable, or under its default below $HOME.
std::string XdgFolder(const char* variable, const char* homeDefault, const char* leaf) {
  if (std::string base = Variable(variable); !base.empty()) return base + '/' + leaf;
  if (std::string home = Variable("HOME"); !home.empty()) return home + '/' + homeDefault + '/' + leaf;
  return {};
}

// Modification time, inode and size: any of them changes when fc-cache rewrites
// a cache, a configuration file is edited or a font folder gains a file.
std::string FileStamp(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0) return "-";
  return std::to_string(info.st_mtim.tv_sec) + '.' + std::to_string(info.st_mtim.tv_nsec) + ':' +
         std::to_string(info.st_ino) + ':' + std::to_string(info.st_size);
}

// Bytes outside printable ASCII, spaces and '%' as %XX, after a '=' so that every
// field, the empty one too, is one word.
std::string Escape(std::string_view text) {
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

std::optional<std::string> Unescape(std::string_view word) {
  if (word.empty() || word[0] != '=') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i < word.size(); ++i) {
    if (word[i] != '%') {
      out.push_back(word[i]);
      continue;
    }
    if (i + 2 >= word.size()) return std::nullopt;
    const std::string hex(word.substr(i + 1, 2));
    char* end = nullptr;
    const long value = std::strtol(hex.c_str(), &end, 16);
    if (end != hex.c_str() + 2) return std::nullopt;
    out.push_back(char(value));
    i += 2;
  }
  return out;
}

struct Entry {
  std::string name;
  std::string fileStamp;
  ResolvedFont font;
};

std::string EntryLine(const Entry& entry) {
  return Escape(entry.name) + ' ' + (entry.font.installed ? '1' : '0') + ' ' +
         std::to_string(entry.font.faceIndex) + ' ' + Escape(entry.font.file) + ' ' + Escape(entry.fileStamp) +
         ' ' + Escape(entry.font.postScriptName) + '\n';
}

std::optional<Entry> ParseEntry(const std::string& line) {
  std::istringstream words(line);
  std::string name, installed, file, fileStamp, postScriptName;
  int faceIndex = 0;
  if (!(words >> name >> installed >> faceIndex >> file >> fileStamp >> postScriptName)) return std::nullopt;
  if (installed != "0" && installed != "1") return std::nullopt;
  auto plainName = Unescape(name), plainFile = Unescape(file), plainStamp = Unescape(fileStamp),
       plainPostScript = Unescape(postScriptName);
  if (!plainName || !plainFile || !plainStamp || !plainPostScript) return std::nullopt;
  Entry entry;
  entry.name = std::move(*plainName);
  entry.fileStamp = std::move(*plainStamp);
  entry.font.file = std::move(*plainFile);
  entry.font.faceIndex = faceIndex;
  entry.font.postScriptName = std::move(*plainPostScript);
  entry.font.installed = installed == "1";
  return entry;
}

// The entries of a cache written under this stamp; none when it is missing,
// unreadable, of another format or stale.
std::vector<Entry> ReadEntries(const std::string& cachePath, std::string_view stamp) {
  std::vector<Entry> entries;
  std::ifstream in(cachePath, std::ios::binary);
  std::string line;
  if (!in || !std::getline(in, line) || line != kHeader) return entries;
  if (!std::getline(in, line) || line != "stamp " + Escape(stamp)) return entries;
  while (std::getline(in, line)) {
    if (auto entry = ParseEntry(line)) entries.push_back(std::move(*entry));
  }
  return entries;
}

bool MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

}  // namespace

std::string FontCachePath() {
  const std::string folder = XdgFolder("XDG_CACHE_HOME", ".cache", "KestrovaBarCode");
  return folder.empty() ? folder : folder + "/fonts";
}

std::string FontSetupStamp() {
  std::string stamp;
  for (const char* name : kSetupVariables) stamp += std::string(name) + '=' + Variable(name) + '\n';
  const std::string sysroot = Variable("FONTCONFIG_SYSROOT");
  const std::string home = Variable("HOME");
  const std::vector<std::string> paths = {
      sysroot + "/etc/fonts",
      sysroot + "/etc/fonts/fonts.conf",
      sysroot + "/etc/fonts/conf.d",
      sysroot + "/etc/fonts/local.conf",
      sysroot + "/var/cache/fontconfig",
      sysroot + "/usr/share/fonts",
      sysroot + "/usr/local/share/fonts",
      XdgFolder("XDG_CONFIG_HOME", ".config", "fontconfig"),
      XdgFolder("XDG_CONFIG_HOME", ".config", "fontconfig/fonts.conf"),
      XdgFolder("XDG_CONFIG_HOME", ".config", "fontconfig/conf.d"),
      XdgFolder("XDG_CACHE_HOME", ".cache", "fontconfig"),
      XdgFolder("XDG_DATA_HOME", ".local/share", "fonts"),
      home.empty() ? home : home + "/.fonts",
      home.empty() ? home : home + "/.fonts.conf",
      home.empty() ? home : home + "/.fontconfig",
  };
  for (const std::string& path : paths) stamp += path + ' ' + FileStamp(path) + '\n';
  if (const std::string file = Variable("FONTCONFIG_FILE"); !file.empty()) stamp += file + ' ' + FileStamp(file);
  return stamp;
}

std::optional<ResolvedFont> ReadCachedFont(const std::string& cachePath, std::string_view stamp,
                                           std::string_view name) {
  if (cachePath.empty()) return std::nullopt;
  for (Entry& entry : ReadEntries(cachePath, stamp)) {
    if (entry.name != name) continue;
    if (FileStamp(entry.font.file) != entry.fileStamp) return std::nullopt;
    return std::move(entry.font);
  }
  return std::nullopt;
}

void WriteCachedFont(const std::string& cachePath, std::string_view stamp, std::string_view name,
                     const ResolvedFont& font) {
  if (cachePath.empty() || !MakeFolders(cachePath)) return;
  std::string text = std::string(kHeader) + "\nstamp " + Escape(stamp) + '\n';
  text += EntryLine({std::string(name), FileStamp(font.file), font});
  std::size_t kept = 1;
  for (const Entry& entry : ReadEntries(cachePath, stamp)) {
    if (entry.name == name || kept == kMaxEntries) continue;
    text += EntryLine(entry);
    ++kept;
  }
  WriteFileAtomically(cachePath, text);
}

}  // namespace kbc
