#include "output/file_codes.h"

#include <sys/xattr.h>

#include <array>

namespace kbc {

void SetFileTypeAndCreator(const std::string& path, std::uint32_t type, std::uint32_t creator) {
  std::array<unsigned char, 32> info{};
  for (int i = 0; i < 4; ++i) {
    info[std::size_t(i)] = static_cast<unsigned char>(type >> (24 - 8 * i));
    info[std::size_t(4 + i)] = static_cast<unsigned char>(creator >> (24 - 8 * i));
  }
#if defined(__APPLE__)
  setxattr(path.c_str(), "com.apple.FinderInfo", info.data(), info.size(), 0, 0);
#else
  setxattr(path.c_str(), "user.com.apple.FinderInfo", info.data(), info.size(), 0);
#endif
}

}  // namespace kbc
