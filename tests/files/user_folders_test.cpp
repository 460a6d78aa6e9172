// Where caches and preferences go for each setting of their variables: only
// absolute paths count, so a run never scatters folders into whatever folder
// it starts in.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "caches/cache_file.h"
#include "files/preferences.h"
#include "support/scoped_environment.h"

namespace kbc {
namespace {

struct Setting {
  const char* name;
  const char* home;  // null: unset
  const char* xdg;   // both XDG_CACHE_HOME and XDG_CONFIG_HOME; null: unset
  std::string cacheFolder;   // empty: no cache
  std::string configFolder;  // empty: no preferences
};

void PrintTo(const Setting& setting, std::ostream* out) { *out << setting.name; }

const Setting kSettings[] = {
    {"AbsoluteXdgWins", "/h", "/x", "/x", "/x"},
    {"UnsetXdgFallsBackToHome", "/h", nullptr, "/h/.cache", "/h/.config"},
    {"EmptyXdgFallsBackToHome", "/h", "", "/h/.cache", "/h/.config"},
    {"RelativeXdgFallsBackToHome", "/h", "x", "/h/.cache", "/h/.config"},
    {"RelativeHomeGivesNothing", "h", nullptr, "", ""},
    {"UnsetHomeGivesNothing", nullptr, nullptr, "", ""},
    {"AbsoluteXdgNeedsNoHome", "h", "/x", "/x", "/x"},
};

class UserFolders : public testing::TestWithParam<Setting> {};

TEST_P(UserFolders, OnlyAbsolutePathsPlaceFiles) {
  const Setting& setting = GetParam();
  const test::ScopedEnvironment environment(
      {{"HOME", setting.home}, {"XDG_CACHE_HOME", setting.xdg}, {"XDG_CONFIG_HOME", setting.xdg}});
  const auto under = [](const std::string& folder, const char* leaf) {
    return folder.empty() ? folder : folder + "/KestrovaBarCode/" + leaf;
  };
  EXPECT_EQ(CacheFilePath("fonts"), under(setting.cacheFolder, "fonts"));
  EXPECT_EQ(PreferencesPath(), under(setting.configFolder, "preferences"));
}

INSTANTIATE_TEST_SUITE_P(Settings, UserFolders, testing::ValuesIn(kSettings),
                         [](const testing::TestParamInfo<Setting>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kbc
