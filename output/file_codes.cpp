#include "output/file_codes.h"

namespace kbc {

std::array<char, 32> FinderInfo(std::uint32_t type, std::uint32_t creator) {
  std::array<char, 32> info{};
  for (int i = 0; i < 4; ++i) {
    info[std::size_t(i)] = static_cast<char>(type >> (24 - 8 * i));
    info[std::size_t(4 + i)] = static_cast<char>(creator >> (24 - 8 * i));
  }
  return info;
}

}  // namespace kbc
