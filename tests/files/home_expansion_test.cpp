// A leading ~ in an output path: HOME first, then the password entry, and the
// same answers from many threads at once (batch workers and library callers).
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "files/path.h"
#include "support/process.h"
#include "support/scoped_environment.h"

namespace kbc {
namespace {

// Read before any thread starts, so the test's own lookups race with nothing.
std::string EntryHome(const passwd* entry) { return entry && entry->pw_dir ? entry->pw_dir : ""; }

struct Expansion {
  const char* home;  // null: unset
  std::string input;
  std::string expected;
};

TEST(HomeExpansion, HomeComesFirstWhenAbsolute) {
  const std::string home = test::FreshFolder("home-expansion");
  const std::string own = EntryHome(getpwuid(getuid()));
  const std::string root = EntryHome(getpwnam("root"));
  ASSERT_FALSE(root.empty());
  const Expansion expansions[] = {
      {home.c_str(), "~", home},
      {home.c_str(), "~/code.svg", home + "/code.svg"},
      {home.c_str(), "~root/code.svg", root + "/code.svg"},
      {"relative", "~/code.svg", own + "/code.svg"},
  };
  for (const Expansion& expansion : expansions) {
    const test::ScopedEnvironment environment({{"HOME", expansion.home}});
    EXPECT_EQ(StandardizeOutputPath(expansion.input), expansion.expected)
        << expansion.input << " with HOME=" << (expansion.home ? expansion.home : "(unset)");
  }
}

// Expanded from HOME and, with a relative HOME, from the user's own entry,
// while other threads look up root's.
TEST(HomeExpansion, ThreadsExpandingAtOnceEachGetTheirOwnAnswer) {
  const std::string folder = test::FreshFolder("home-threads");
  const std::string own = EntryHome(getpwuid(getuid()));
  const std::string root = EntryHome(getpwnam("root"));
  ASSERT_FALSE(root.empty());
  for (const Expansion& setting : {Expansion{folder.c_str(), "~", folder}, Expansion{"relative", "~", own}}) {
    const test::ScopedEnvironment environment({{"HOME", setting.home}});
    constexpr int kThreads = 8;
    constexpr int kRounds = 300;
    std::vector<int> wrong(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] {
        for (int round = 0; round < kRounds; ++round) {
          const bool byName = (round + t) % 2 == 0;
          const std::string name = "/n" + std::to_string(round);
          const std::string expanded = StandardizeOutputPath((byName ? "~root" : setting.input) + name);
          wrong[std::size_t(t)] += expanded != (byName ? root : setting.expected) + name;
        }
      });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong, std::vector<int>(kThreads, 0)) << "HOME=" << setting.home;
  }
}

}  // namespace
}  // namespace kbc
