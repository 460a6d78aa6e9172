// The built executable: usage text, standard streams and exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/process.h"

namespace kbc {
namespace {

// The usage listing, written out by hand in a golden file.
std::string ExpectedUsage() { return test::ReadFile(KBC_GOLDEN_DIR "/usage.txt"); }

TEST(EndToEnd, NoArgumentsPrintTheUsageAndSucceed) {
  const auto run = test::RunKbc({});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, ExpectedUsage());
  EXPECT_EQ(run.err, "");
}

// Alone, --help (or -h) and --version answer on stdout and succeed; with
// other arguments they are unknown options like any other.
TEST(EndToEnd, HelpAndVersionStandAlone) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string outStart;  // stdout begins with it
    std::string outHas;    // and holds it
  } rows[] = {
      {{"--help"}, 0, ExpectedUsage(), "ADDED OPTIONS:\n-dpi\n"},
      {{"-h"}, 0, ExpectedUsage(), "\n--version\nPrint the name and version and exit.\n"},
      {{"--version"}, 0, "KestrovaBarCode 3.7.0\n", ""},
      {{"--help", "-type", "EAN-13", "-data", "1"}, 2, ExpectedUsage(), ""},
  };
  for (const auto& row : rows) {
    const auto run = test::RunKbc(row.args);
    EXPECT_EQ(run.status, row.status) << row.args[0];
    EXPECT_TRUE(run.out.starts_with(row.outStart)) << row.args[0] << ":\n" << run.out;
    EXPECT_NE(run.out.find(row.outHas), std::string::npos) << row.args[0];
    if (row.status == 0) {
      EXPECT_EQ(run.err, "") << row.args[0];
    }
  }
}

// Status 2 prints the usage; status 1 prints nothing on stdout. Either way the
// error is exactly one line on stderr, naming what was wrong when it can.
TEST(EndToEnd, FailuresExitWithOneStderrLine) {
  const std::string dir = test::TempDir();
  struct Row {
    const char* why;
    std::vector<std::string> args;
    int status;
    std::string namedOnStderr;
  };
  const Row rows[] = {
      {"unknown -type", {"-type", "EAN13", "-action", "svgf", "-data", "123"}, 2, "EAN13"},
      {"missing -action", {"-type", "EAN-13", "-data", "590123412345"}, 2, "-action"},
      {"unknown -action", {"-action", "svg", "-data", "590123412345"}, 2, "svg"},
      {"empty -data", {"-action", "svgf", "-data", "", "-output", "x.svg"}, 2, "-data"},
      {"three arguments leave -data without value", {"-action", "clip", "-data"}, 2, "-data"},
      {"two arguments scan nothing", {"-action", "clip"}, 2, "-action"},
      {"file action without -output", {"-action", "svgf", "-data", "590123412345"}, 1, "-output"},
      {"bitmap action without -output", {"-type", "Code-128", "-action", "pngf", "-data", "ABC"}, 1, "-output"},
      {"folder of the output does not exist",
       {"-action", "epsf", "-data", "590123412345", "-output", dir + "/no-such-folder/code.svg"}, 1, ""},
      {"RM4SCC of 6 characters cannot be drawn",
       {"-type", "RM4SCC", "-action", "svgf", "-data", "SN34RD", "-output", dir + "/short.svg"}, 1, ""},
      {"letters only for EAN-13 are shaped away",
       {"-type", "EAN-13", "-action", "svgf", "-data", "abc", "-output", dir + "/letters.svg"}, 1, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const auto run = test::RunKbc(row.args);
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.out, row.status == 2 ? ExpectedUsage() : "");
    EXPECT_TRUE(run.err.ends_with('\n') && std::ranges::count(run.err, '\n') == 1) << run.err;
    EXPECT_NE(run.err.find(row.namedOnStderr), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace kbc
