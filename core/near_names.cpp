#include "core/near_names.h"

#include <algorithm>
#include <vector>

namespace kbc {
namespace {

constexpr std::size_t kFarthest = 2;

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Edits between two names, letter case aside.
std::size_t NameDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t replaced = diagonal + (AsciiLower(a[i - 1]) == AsciiLower(b[j - 1]) ? 0 : 1);
      diagonal = row[j];
      row[j] = std::min({replaced, row[j] + 1, row[j - 1] + 1});
    }
  }
  return row[b.size()];
}

}  // namespace

std::string_view NearestName(std::string_view typed, std::span<const std::string_view> names) {
  std::string_view nearest;
  std::size_t best = kFarthest + 1;
  for (const std::string_view name : names) {
    // Each edit changes the length by one at most: a length further away than
    // the farthest hint allows cannot be near.
    const std::size_t lengthGap = std::max(typed.size(), name.size()) - std::min(typed.size(), name.size());
    if (name.empty() || lengthGap > kFarthest) continue;
    const std::size_t distance = NameDistance(typed, name);
    if (distance < best) best = distance, nearest = name;
  }
  return nearest;
}

}  // namespace kbc
