// HFS type and creator codes of written files.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kbc {

// Where the codes are kept: the file's Finder information. Nothing else in
// the system reads them, so a file system without extended attributes only
// goes without.
#if defined(__APPLE__)
inline constexpr std::string_view kFinderInfoAttribute = "com.apple.FinderInfo";
#else
inline constexpr std::string_view kFinderInfoAttribute = "user.com.apple.FinderInfo";
#endif

// 32 bytes: type and creator as big-endian four-character codes, the rest zero.
std::array<char, 32> FinderInfo(std::uint32_t type, std::uint32_t creator);

}  // namespace kbc
