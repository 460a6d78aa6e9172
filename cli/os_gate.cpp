#include "cli/os_gate.h"

#include <cstdio>
#include <cstdlib>

#if defined(__APPLE__)
#include <sys/sysctl.h>
#endif

namespace kbc {

std::int64_t FormatSystemVersionNumber(long major, long minor, long patch) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2ld%.2ld%.2ld", major, minor, patch);
  return std::strtoll(text, nullptr, 10);
}

std::int64_t SystemVersionNumber() {
#if defined(__APPLE__)
  char version[64] = {};
  std::size_t size = sizeof version;
  long major = 0, minor = 0, patch = 0;
  if (sysctlbyname("kern.osproductversion", version, &size, nullptr, 0) == 0) {
    std::sscanf(version, "%ld.%ld.%ld", &major, &minor, &patch);
  }
  return FormatSystemVersionNumber(major, minor, patch);
#else
  return kMinimumSystemVersion;
#endif
}

}  // namespace kbc
