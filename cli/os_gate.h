// The operating-system gate of the run: systems before 10.15 are refused.
#pragma once

#include <cstdint>

namespace kbc {

inline constexpr std::int64_t kMinimumSystemVersion = 101500;

// major, minor and patch formatted "%.2ld%.2ld%.2ld" and read as an integer
// (10.15.0 gives 101500, 14.2.1 gives 140201).
std::int64_t FormatSystemVersionNumber(long major, long minor, long patch);

// The running system's number; on systems other than macOS the gate always passes.
std::int64_t SystemVersionNumber();

constexpr bool SystemVersionAccepted(std::int64_t number) { return number >= kMinimumSystemVersion; }

}  // namespace kbc
