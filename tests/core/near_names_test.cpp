// The "did you mean" name: near names found letter case aside, and a bogus
// word of any length read no further than a name could be near it.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <utility>

#include "core/near_names.h"

namespace kbc {
namespace {

constexpr std::array<std::string_view, 5> kNames = {"EAN-13", "QRCode", "Telepen", "-output", "pngf"};

TEST(NearestName, WithinTwoEditsLetterCaseAside) {
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"ean-13", "EAN-13"},   {"QRcod", "QRCode"}, {"Telepen12", "Telepen"}, {"-outptu", "-output"},
      {"png", "pngf"},        {"Aztec", ""},       {"Telepen123", ""},       {"", ""},
  };
  for (const auto& [typed, nearest] : rows) EXPECT_EQ(NearestName(typed, kNames), nearest) << typed;
}

// Anonymous memory, unmapped when done.
struct Mapping {
  void* address;
  std::size_t size;
  ~Mapping() { munmap(address, size); }
};

// 10 MB of which only the first page may be read: looking further faults.
TEST(NearestName, ALongWordIsNotReadBeyondTheNamesLength) {
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const Mapping word{mmap(nullptr, 10 << 20, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0), 10 << 20};
  ASSERT_NE(word.address, MAP_FAILED);
  ASSERT_EQ(mprotect(word.address, page, PROT_READ | PROT_WRITE), 0);
  std::memset(word.address, 'x', page);
  EXPECT_EQ(NearestName(std::string_view(static_cast<const char*>(word.address), word.size), kNames), "");
}

}  // namespace
}  // namespace kbc
