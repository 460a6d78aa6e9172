// A cache file changed in place by another process after a run loaded it:
// the run keeps the whole text it loaded, and touching it never faults.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

#include "caches/cache_file.h"
#include "support/process.h"

namespace kbc {
namespace {

constexpr std::string_view kHeader = "KestrovaBarCode test-cache 1";
constexpr std::size_t kMaxBytes = 64 * 1024;

struct Change {
  const char* name;
  void (*apply)(const std::string& path, off_t size);
};

void PrintTo(const Change& change, std::ostream* out) { *out << change.name; }

void Overwrite(const std::string& path, off_t size) {
  const int fd = open(path.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0) << path;
  const std::string junk(std::size_t(size), '#');
  EXPECT_EQ(write(fd, junk.data(), junk.size()), size);
  close(fd);
}

const Change kChanges[] = {
    {"Emptied", [](const std::string& path, off_t) { ASSERT_EQ(truncate(path.c_str(), 0), 0); }},
    {"CutToItsFirstPage", [](const std::string& path, off_t) { ASSERT_EQ(truncate(path.c_str(), 100), 0); }},
    {"OverwrittenInPlace", Overwrite},
};

class CacheFileChangedAfterLoading : public testing::TestWithParam<Change> {};

TEST_P(CacheFileChangedAfterLoading, LoadedTextStaysWhole) {
  const std::string path = test::FreshFolder(std::string("changed-") + GetParam().name) + "/glyphs";
  // Several pages of entries, so that a cut leaves pages past the file's end.
  std::vector<std::string> entries;
  for (int i = 0; i < 400; ++i) entries.push_back("key" + std::to_string(i) + ' ' + std::string(90, 'v'));
  WriteCacheEntries(path, kHeader, "stamp", entries, kMaxBytes);
  const std::string written = test::ReadFile(path);
  ASSERT_GT(written.size(), 3 * 4096u);

  const CacheText cache = LoadCacheText(path, kHeader, kMaxBytes);
  ASSERT_TRUE(cache.readable);
  GetParam().apply(path, off_t(written.size()));
  EXPECT_TRUE(cache.text == written) << "the loaded text changed with the file";
}

INSTANTIATE_TEST_SUITE_P(Changes, CacheFileChangedAfterLoading, testing::ValuesIn(kChanges),
                         [](const testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kbc
