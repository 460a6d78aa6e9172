// The operating-system gate of the front end.
#include "cli/os_gate.h"

#include <gtest/gtest.h>

namespace kbc {
namespace {

TEST(SystemGate, VersionNumberAndThreshold) {
  EXPECT_EQ(FormatSystemVersionNumber(10, 15, 0), 101500);
  EXPECT_EQ(FormatSystemVersionNumber(14, 2, 1), 140201);
  EXPECT_FALSE(SystemVersionAccepted(101499));
  EXPECT_TRUE(SystemVersionAccepted(SystemVersionNumber()));
}

}  // namespace
}  // namespace kbc
