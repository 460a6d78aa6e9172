#include "cli/csv_outputs.h"

#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace kbc {
namespace {

std::string WorkingFolder() {
  const std::unique_ptr<char, decltype(&std::free)> folder(getcwd(nullptr, 0), &std::free);
  return folder ? folder.get() : "/";
}

// The real path of the longest part of `path` that exists: a link anywhere
// along it, the last name included, is what a writer would follow.
std::string RealPrefix(const std::string& path) {
  std::string prefix = path;
  for (;;) {
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(prefix.c_str(), nullptr), &std::free);
    if (real) return real.get() + path.substr(prefix.size());
    const std::size_t slash = prefix.rfind('/');
    if (slash == std::string::npos || slash == 0) return path;
    prefix.resize(slash);
  }
}

bool IsInside(std::string_view path, std::string_view folder) {
  if (folder == "/") return true;
  return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

std::uint64_t Fnv1a(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bytes) hash = (hash ^ std::uint8_t(c)) * 0x100000001b3u;
  return hash;
}

}  // namespace

OutputFolder::OutputFolder(std::string_view outputPattern) : workingFolder_(WorkingFolder()) {
  const std::size_t slash = outputPattern.rfind('/');
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view(".") : outputPattern.substr(0, slash == 0 ? 1 : slash);
  lexical_ = Absolute(folder);
  real_ = RealPrefix(lexical_);
}

std::string OutputFolder::Absolute(std::string_view path) const {
  std::vector<std::string_view> parts;
  const auto add = [&](std::string_view from) {
    while (!from.empty()) {
      const std::size_t end = from.find('/');
      const std::string_view part = from.substr(0, end);
      from.remove_prefix(end == std::string_view::npos ? from.size() : end + 1);
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
    }
  };
  if (!path.starts_with('/')) add(workingFolder_);
  add(path);
  std::string absolute;
  for (const std::string_view part : parts) (absolute += '/') += part;
  return absolute.empty() ? "/" : absolute;
}

Status OutputFolder::Admits(std::string_view cell) const {
  const std::string rule = "; a CSV file's output cells stay inside \"" + lexical_ + "\" (-csvpaths any allows any path)";
  const std::string shown = "the output \"" + std::string(cell) + "\"";
  if (cell.starts_with('/')) return Refusal(shown + " is an absolute path" + rule);
  if (cell.starts_with('~')) return Refusal(shown + " starts with ~" + rule);
  if (!IsInside(Absolute(cell), lexical_)) return Refusal(shown + " leads out of the folder" + rule);
  // Followed as the writer's system calls follow it: a .. after a link climbs
  // from where the link leads.
  if (!IsInside(RealPrefix(workingFolder_ + "/" + std::string(cell)), real_)) {
    return Refusal(shown + " leads out of the folder through a symbolic link" + rule);
  }
  return Done{};
}

std::optional<std::size_t> OutputClaims::Claim(const std::string& absolutePath, std::size_t number) {
  const Digest digest{Fnv1a(absolutePath), std::hash<std::string>{}(absolutePath)};
  const auto [claim, added] = claimed_.try_emplace(digest, number);
  if (added) return std::nullopt;
  return claim->second;
}

}  // namespace kbc
