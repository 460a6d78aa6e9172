// -output -: the file on standard output, the same bytes as the file written,
// and nothing else there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/process.h"

namespace kbc::test {
namespace {

const std::vector<std::string> kEnv = {"SOURCE_DATE_EPOCH=1700000000"};

TEST(StandardOutput, EveryFileActionGivesTheFilesBytes) {
  // A file named "-" has the title standard output gives EPS.
  const std::string file = TempDir() + "/-";
  for (const std::string action : {"epsf", "svgf", "pdff", "pngf", "jpeg", "tiff"}) {
    const std::vector<std::string> request = {"-type", "QRCode", "-data", "Lot 7", "-action", action, "-output"};
    std::vector<std::string> piped = request, written = request;
    piped.push_back("-");
    written.push_back(file);
    const ProcessResult run = RunKbc(piped, kEnv);
    ASSERT_EQ(RunKbc(written, kEnv).status, 0) << action;
    EXPECT_EQ(run.status, 0) << action;
    EXPECT_EQ(run.err, "") << action;
    EXPECT_FALSE(run.out.empty()) << action;
    EXPECT_TRUE(run.out == ReadFile(file)) << action << ": standard output differs from the file";
  }
}

TEST(StandardOutput, RefusalsLeaveStandardOutputEmpty) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string errHas;
  } rows[] = {
      {{"-type", "EAN-13", "-data", "x", "-action", "pngf", "-output", "-"}, 1, "nothing was written to standard output"},
      {{"-type", "EAN-13", "-data", "1", "-action", "clip", "-output", "-"}, 2, "cannot be used with -action clip"},
      {{"-type", "EAN-13", "-batch", "-", "-action", "pngf", "-output", "-"}, 2, "cannot be used with -batch"},
      // No request: the usage text goes to stderr, not into the pipe.
      {{"-type", "EAN-13", "-action", "pngf", "-output", "-"}, 2, "PARAMETERS:"},
  };
  for (const auto& row : rows) {
    const ProcessResult run = RunKbc(row.args);
    EXPECT_EQ(run.status, row.status) << row.errHas;
    EXPECT_EQ(run.out, "") << row.errHas;
    EXPECT_NE(run.err.find(row.errHas), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace kbc::test
