// The -output value standardised, and a path's last component.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "files/path.h"

namespace kbc {
namespace {

TEST(StandardizePath, Rules) {
  const std::pair<std::string_view, std::string> rows[] = {
      {"/tmp//a/./b.svg", "/tmp/a/b.svg"}, {"out/", "out"}, {"/", "/"}, {"a/../b", "a/../b"},
      {"/usr/lib/../bin/x", "/usr/bin/x"}, {"/nonexistent-kbc/dir/../x", "/nonexistent-kbc/x"},
      {"~nobody-kbc-unknown/x", "~nobody-kbc-unknown/x"},
  };
  for (const auto& [in, out] : rows) EXPECT_EQ(StandardizeOutputPath(in), out) << in;
  if (std::getenv("HOME") != nullptr) { EXPECT_FALSE(StandardizeOutputPath("~/x.svg").starts_with("~")); }
  EXPECT_EQ(LastPathComponent("/tmp/dir/code.svg"), "code.svg");
}

}  // namespace
}  // namespace kbc
