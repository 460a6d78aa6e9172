// Where caches and preferences go for each setting of their variables: only
// absolute paths count, so a run never scatters folders into whatever folder
// it starts in. A cache home that cannot be written (here, a path through a
// plain file: even root cannot make a folder there) moves the cache to a
// private folder of the runtime or temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "caches/cache_file.h"
#include "files/preferences.h"
#include "support/scoped_environment.h"

namespace kbc {
namespace {

// Paths starting with '@' are under the test's own temporary folder, which
// holds a plain file "file"; "@file/h" is a home that cannot be written.
struct Setting {
  const char* name;
  const char* home;  // null: unset
  const char* xdg;   // both XDG_CACHE_HOME and XDG_CONFIG_HOME; null: unset
  const char* runtime;  // XDG_RUNTIME_DIR; null: unset
  std::string cacheFolder;   // empty: no cache
  std::string configFolder;  // empty: no preferences
};

void PrintTo(const Setting& setting, std::ostream* out) { *out << setting.name; }

const std::string kTempFallback = "@/KestrovaBarCode-" + std::to_string(geteuid());

const Setting kSettings[] = {
    {"AbsoluteXdgWins", "@/h", "@/x", nullptr, "@/x/KestrovaBarCode", "@/x/KestrovaBarCode"},
    {"UnsetXdgFallsBackToHome", "@/h", nullptr, nullptr, "@/h/.cache/KestrovaBarCode", "@/h/.config/KestrovaBarCode"},
    {"EmptyXdgFallsBackToHome", "@/h", "", nullptr, "@/h/.cache/KestrovaBarCode", "@/h/.config/KestrovaBarCode"},
    {"RelativeXdgFallsBackToHome", "@/h", "x", nullptr, "@/h/.cache/KestrovaBarCode", "@/h/.config/KestrovaBarCode"},
    {"RelativeHomeGivesNothing", "h", nullptr, nullptr, "", ""},
    {"UnsetHomeGivesNothing", nullptr, nullptr, "@/run", "", ""},
    {"AbsoluteXdgNeedsNoHome", "h", "@/x", nullptr, "@/x/KestrovaBarCode", "@/x/KestrovaBarCode"},
    {"UnwritableHomeCachesInRuntimeFolder", "@/file/h", nullptr, "@/run", "@/run/KestrovaBarCode",
     "@/file/h/.config/KestrovaBarCode"},
    {"UnwritableXdgCachesInRuntimeFolder", "@/h", "@/file/x", "@/run", "@/run/KestrovaBarCode",
     "@/file/x/KestrovaBarCode"},
    {"RelativeRuntimeFolderFallsBackToTemporary", "@/file/h", nullptr, "run", kTempFallback,
     "@/file/h/.config/KestrovaBarCode"},
    {"NoRuntimeFolderFallsBackToTemporary", "@/file/h", nullptr, nullptr, kTempFallback,
     "@/file/h/.config/KestrovaBarCode"},
};

// A temporary folder of the test's own, holding a plain file, and TMPDIR pointing at it.
class TempRoot : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kbc-folders-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    std::ofstream(root_ + "/file") << "not a folder";
    ASSERT_EQ(mkdir((root_ + "/run").c_str(), 0700), 0);
  }
  void TearDown() override { std::filesystem::remove_all(root_); }
  std::string Placed(const std::string& path) const { return path.starts_with('@') ? root_ + path.substr(1) : path; }
  std::string root_;
};

class UserFolders : public TempRoot, public testing::WithParamInterface<Setting> {};

TEST_P(UserFolders, OnlyAbsolutePathsPlaceFiles) {
  const Setting& setting = GetParam();
  const auto placed = [&](const char* value) { return value ? Placed(value) : std::string(); };
  const std::string home = placed(setting.home), xdg = placed(setting.xdg), runtime = placed(setting.runtime);
  const test::ScopedEnvironment environment({{"HOME", setting.home ? home.c_str() : nullptr},
                                             {"XDG_CACHE_HOME", setting.xdg ? xdg.c_str() : nullptr},
                                             {"XDG_CONFIG_HOME", setting.xdg ? xdg.c_str() : nullptr},
                                             {"XDG_RUNTIME_DIR", setting.runtime ? runtime.c_str() : nullptr},
                                             {"TMPDIR", root_.c_str()}});
  const auto under = [&](const std::string& folder, const char* leaf) {
    return folder.empty() ? folder : Placed(folder) + "/" + leaf;
  };
  EXPECT_EQ(CacheFilePath("fonts"), under(setting.cacheFolder, "fonts"));
  EXPECT_EQ(PreferencesPath(), under(setting.configFolder, "preferences"));
}

INSTANTIATE_TEST_SUITE_P(Settings, UserFolders, testing::ValuesIn(kSettings),
                         [](const testing::TestParamInfo<Setting>& info) { return std::string(info.param.name); });

// The fallback folder is the cache itself: written 0700 and read back by a
// later run; one that others may write is not trusted there either.
using CacheFallback = TempRoot;

TEST_F(CacheFallback, FolderIsPrivateAndChecked) {
  const std::string home = root_ + "/file/h";
  const test::ScopedEnvironment environment(
      {{"HOME", home.c_str()}, {"XDG_CACHE_HOME", nullptr}, {"XDG_RUNTIME_DIR", nullptr}, {"TMPDIR", root_.c_str()}});
  const std::string path = CacheFilePath("probe");
  WriteCacheEntries(path, "probe 1", "stamp", {"entry"}, 4096);
  EXPECT_EQ(ReadCacheEntries(path, "probe 1", "stamp", 4096), std::vector<std::string>{"entry"});
  struct stat info {};
  const std::string folder = Placed(kTempFallback);
  ASSERT_EQ(stat(folder.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(info.st_uid, geteuid());

  ASSERT_EQ(chmod(folder.c_str(), 0770), 0);
  EXPECT_TRUE(ReadCacheEntries(path, "probe 1", "stamp", 4096).empty());
}

}  // namespace
}  // namespace kbc
