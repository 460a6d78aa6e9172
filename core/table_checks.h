// Compile-time checks of constant tables.
#pragma once

#include <algorithm>
#include <iterator>

namespace kbc {

// A table declared longer than its initialiser ends in value-initialised,
// empty entries; an entry left out in the middle shifts the rest, so the
// last one is empty too. Checking every entry also finds one written empty.
template <typename Table>
constexpr bool NoEntryEmpty(const Table& table) {
  return std::ranges::none_of(table, [](const auto& entry) { return std::empty(entry); });
}

}  // namespace kbc
