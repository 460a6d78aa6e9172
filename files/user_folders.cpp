#include "files/user_folders.h"

#include <cstdlib>

namespace kbc {

std::string AbsolutePathVariable(const char* name) {
  const char* value = std::getenv(name);
  return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string XdgBaseFolder(const char* variable, std::string_view underHome) {
  if (std::string base = AbsolutePathVariable(variable); !base.empty()) return base;
  const std::string home = AbsolutePathVariable("HOME");
  return home.empty() ? home : home + '/' + std::string(underHome);
}

}  // namespace kbc
