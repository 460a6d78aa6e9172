#include "platform/preferences.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kbc {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string PreferencesPath() {
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (config && config[0] == '/') {
    base = config;
  } else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
    base = std::string(home) + "/.config";
  } else {
    return {};
  }
  return base + "/KestrovaBarCode/preferences";
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
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream text;
  text << file.rdbuf();
  const std::optional<std::string> value = PreferenceValueIn(text.str(), key);
  if (!value) return false;
  out += *value;
  return true;
}

}  // namespace kbc
