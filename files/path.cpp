#include "files/path.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

#include "files/user_folders.h"

namespace kbc {
namespace {

// The home folder of a password entry, or empty. The reentrant lookups are
// used because batch workers and library callers standardise paths at once,
// and getpwnam's shared entry would hand one thread another's fields.
template <typename Lookup>
std::string EntryHome(Lookup lookup) {
  constexpr std::size_t kLargestBuffer = std::size_t(1) << 20;
  const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? std::size_t(suggested) : 1024);
  for (;;) {
    passwd entry{};
    passwd* found = nullptr;
    const int error = lookup(&entry, buffer.data(), buffer.size(), &found);
    if (error == ERANGE && buffer.size() < kLargestBuffer) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    return error == 0 && found && found->pw_dir ? std::string(found->pw_dir) : std::string();
  }
}

// A bare ~ follows HOME as a shell's does: whoever moves HOME means their files to go there.
std::string HomeOf(std::string_view user) {
  if (user.empty()) {
    if (std::string home = AbsolutePathVariable("HOME"); !home.empty()) return home;
    return EntryHome([](passwd* entry, char* buffer, std::size_t size, passwd** found) {
      return getpwuid_r(getuid(), entry, buffer, size, found);
    });
  }
  const std::string name(user);
  return EntryHome([&name](passwd* entry, char* buffer, std::size_t size, passwd** found) {
    return getpwnam_r(name.c_str(), entry, buffer, size, found);
  });
}

std::string ExpandTilde(std::string_view path) {
  if (path.empty() || path[0] != '~') return std::string(path);
  const auto slash = path.find('/');
  const std::string_view user = path.substr(1, slash == std::string_view::npos ? path.npos : slash - 1);
  std::string home = HomeOf(user);
  if (home.empty()) return std::string(path);
  return home + std::string(slash == std::string_view::npos ? std::string_view{} : path.substr(slash));
}

std::string Join(const std::vector<std::string>& parts, bool absolute) {
  std::string joined = absolute ? "/" : "";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += '/';
    joined += parts[i];
  }
  return joined;
}

// The real parent of an existing absolute directory, or nothing.
bool RealParent(const std::vector<std::string>& parts, std::vector<std::string>& parent) {
  std::unique_ptr<char, decltype(&std::free)> real(realpath(Join(parts, true).c_str(), nullptr), &std::free);
  if (!real) return false;
  parent.clear();
  std::string_view rest(real.get());
  while (!rest.empty()) {
    const auto start = rest.find_first_not_of('/');
    if (start == rest.npos) break;
    rest.remove_prefix(start);
    const auto end = rest.find('/');
    parent.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end == rest.npos ? rest.size() : end);
  }
  if (!parent.empty()) parent.pop_back();
  return true;
}

}  // namespace

std::string StandardizeOutputPath(std::string_view input) {
  const std::string path = ExpandTilde(input);
  if (path.empty()) return path;
  const bool absolute = path[0] == '/';
  std::vector<std::string> parts;
  std::string_view rest(path);
  while (!rest.empty()) {
    const auto end = rest.find('/');
    const std::string_view part = rest.substr(0, end);
    rest.remove_prefix(end == rest.npos ? rest.size() : end + 1);
    if (part.empty() || part == ".") continue;
    if (part == ".." && absolute) {
      std::vector<std::string> parent;
      if (RealParent(parts, parent)) {
        parts = std::move(parent);
      } else if (!parts.empty()) {
        parts.pop_back();
      }
      continue;
    }
    parts.emplace_back(part);
  }
  if (parts.empty()) return absolute ? "/" : (path[0] == '.' ? "." : "");
  return Join(parts, absolute);
}

std::string LastPathComponent(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos || path.size() == 1 ? path : path.substr(slash + 1));
}

}  // namespace kbc
