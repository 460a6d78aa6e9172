// Cache lines found by key in place: the newest line of a key wins, keys that
// end alike but begin differently stay apart, and lines without a key are skipped.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "caches/cache_index.h"

namespace kbc {
namespace {

std::size_t TabKeyEnd(std::string_view line) { return line.find('\t'); }

TEST(CacheIndex, FindsEachKeysFirstLine) {
  // Two keys share their last 40 bytes: only the beginning tells them apart.
  const std::string tail(40, 'x');
  const std::string text = std::string("header\n") + "a\tnewest\n" + "a\toldest\n" + "no key here\n" + "\tempty key\n" +
                           "/one/font" + tail + "\tfirst\n" + "/two/font" + tail + "\tsecond\n" + "last\tno newline";
  CacheIndex index;
  index.Build(text, 7, TabKeyEnd);
  const std::pair<std::string, std::optional<std::string>> rows[] = {
      {"a", "newest"},
      {"/one/font" + tail, "first"},
      {"/two/font" + tail, "second"},
      {"last", "no newline"},
      {"no key here", std::nullopt},
      {"header", std::nullopt},
      {"", std::nullopt},
      {"b", std::nullopt},
  };
  for (const auto& [key, value] : rows) {
    const std::optional<std::string_view> found = index.Find(key);
    EXPECT_EQ(found ? std::optional<std::string>(*found) : std::nullopt, value) << key;
  }
}

// Many lines: the table grows with them and every one is found.
TEST(CacheIndex, FindsEveryLineOfALargeFile) {
  std::string text;
  for (int i = 0; i < 2000; ++i) {
    text += "/usr/share/fonts/some/face.otf 0 " + std::to_string(i) + "\t" + std::to_string(i * 7) + "\n";
  }
  CacheIndex index;
  index.Build(text, 0, TabKeyEnd);
  for (int i = 0; i < 2000; ++i) {
    const std::optional<std::string_view> found = index.Find("/usr/share/fonts/some/face.otf 0 " + std::to_string(i));
    ASSERT_TRUE(found) << i;
    EXPECT_EQ(*found, std::to_string(i * 7));
  }
}

}  // namespace
}  // namespace kbc
