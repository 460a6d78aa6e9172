#include "fonts/font_cache.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "caches/cache_file.h"

namespace kbc {
namespace {

constexpr std::string_view kHeader = "KestrovaBarCode fonts 2";
constexpr std::size_t kMaxBytes = 16 * 1024;  // -fontname takes any text; keep the file small

// Variables that move fontconfig's configuration, caches or font folders; the
// locale variables pick the default languages that matching prefers.
constexpr std::array<const char*, 11> kSetupVariables = {
    "FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "HOME",   "XDG_CONFIG_HOME",
    "XDG_DATA_HOME",   "XDG_CACHE_HOME",  "FC_LANG",            "LC_ALL", "LC_CTYPE",
    "LANG",
};
static_assert(std::ranges::none_of(kSetupVariables, [](const char* name) { return name == nullptr; }),
              "a setup variable is missing");

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

// name, installed, face index, file, the file's stamp, PostScript name
std::string EntryLine(std::string_view name, const ResolvedFont& font) {
  return EscapeField(name) + ' ' + (font.installed ? '1' : '0') + ' ' + std::to_string(font.faceIndex) + ' ' +
         EscapeField(font.file) + ' ' + EscapeField(FileStamp(font.file)) + ' ' + EscapeField(font.postScriptName);
}

struct Entry {
  std::string name;
  std::string fileStamp;
  ResolvedFont font;
};

// A cached PostScript name goes into EPS and SVG documents as it stands: one
// with a character no PostScript name holds could break out of its string.
bool IsPlainPostScriptName(std::string_view name) {
  std::u32string wide;
  for (const unsigned char c : name) wide.push_back(char32_t(c));
  return SanitizePostScriptName(wide) == name;
}

std::optional<Entry> ParseEntry(std::string_view line) {
  const std::vector<std::string_view> words = SplitWords(line);
  Entry entry;
  // A negative face index asks FreeType about the file instead of opening a face.
  if (words.size() != 6 || (words[1] != "0" && words[1] != "1") || !ParseNumber(words[2], entry.font.faceIndex) ||
      entry.font.faceIndex < 0) {
    return std::nullopt;
  }
  entry.font.installed = words[1] == "1";
  if (!UnescapeField(words[0], entry.name) || !UnescapeField(words[3], entry.font.file) ||
      !UnescapeField(words[4], entry.fileStamp) || !UnescapeField(words[5], entry.font.postScriptName) ||
      !IsPlainPostScriptName(entry.font.postScriptName)) {
    return std::nullopt;
  }
  return entry;
}

}  // namespace

std::string FontCachePath() { return CacheFilePath("fonts"); }

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
  // Only the entry whose first word is the name is parsed: the file may hold
  // many names, and a run asks for one.
  const CacheText cache = ReadCacheText(cachePath, kHeader, stamp, kMaxBytes);
  const std::string prefix = EscapeField(name) + ' ';
  const std::string_view text = cache.text;
  for (std::size_t start = cache.entries; start < text.size();) {
    const std::string_view line = NextLine(text, start);
    if (!line.starts_with(prefix)) continue;
    std::optional<Entry> entry = ParseEntry(line);
    if (!entry || FileStamp(entry->font.file) != entry->fileStamp) return std::nullopt;
    return std::move(entry->font);
  }
  return std::nullopt;
}

void WriteCachedFont(const std::string& cachePath, std::string_view stamp, std::string_view name,
                     const ResolvedFont& font) {
  std::vector<std::string> entries = {EntryLine(name, font)};
  for (std::string& line : ReadCacheEntries(cachePath, kHeader, stamp, kMaxBytes)) {
    const std::optional<Entry> entry = ParseEntry(line);
    if (entry && entry->name != name) entries.push_back(std::move(line));
  }
  WriteCacheEntries(cachePath, kHeader, stamp, entries, kMaxBytes);
}

}  // namespace kbc
