// The built executable: usage text, standard streams, exit statuses and refused data.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "support/output_files.h"
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

// The types added after the specified set are named in --help's added section;
// the usage text's -type paragraph keeps the specified names alone.
TEST(EndToEnd, HelpNamesEveryAddedType) {
  const auto run = test::RunKbc({"--help"});
  const std::string added = run.out.substr(run.out.find("ADDED OPTIONS:"));
  for (SymbologyType code = kSpecifiedSymbologyCount + 1; code <= kSymbologyCount; ++code) {
    const std::string name(SymbologyName(code));
    EXPECT_NE(added.find(" " + name + (code == kSymbologyCount ? "." : ",")), std::string::npos) << name;
    EXPECT_EQ(ExpectedUsage().find(name + ","), std::string::npos) << name;
  }
}

// Status 2 prints the usage; status 1 prints nothing on stdout. Either way the
// error is exactly one line on stderr, naming what was wrong when it can.
TEST(EndToEnd, FailuresExitWithOneStderrLine) {
  struct Row {
    const char* why;
    std::vector<std::string> args;
    int status;
    std::string namedOnStderr;
  };
  const Row rows[] = {
      {"unknown -type", {"-type", "EAN13", "-action", "svgf", "-data", "123"}, 2, "EAN13"},
      {"missing -action", {"-type", "EAN-13", "-data", "590123412345"}, 2, "-action"},
      {"empty -data", {"-action", "svgf", "-data", "", "-output", "x.svg"}, 2, "-data"},
      {"two arguments scan nothing", {"-action", "clip"}, 2, "-action"},
      {"file action without -output", {"-action", "svgf", "-data", "590123412345"}, 1, "-output"},
      {"letters only for EAN-13 are shaped away",
       {"-type", "EAN-13", "-action", "svgf", "-data", "abc", "-output", test::TempDir() + "/letters.svg"}, 1, ""},
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

// Data the data check refuses, in every output: exit status 1 and the reason
// with the path on stderr; no file, or for PDF a page with the placeholder only.
// One row for each way a refusal arises; the encoders' tests hold every reason.
TEST(RefusedData, NothingIsDrawnAndTheReasonIsGiven) {
  const struct {
    const char* type;
    std::string data;
    const char* reason;
  } rows[] = {
      {"QRCode", std::string(3000, 'a'), "QR"},  // 2953 bytes is the most
      {"Databar-Limited", "2000000000000", "up to 1999999999999"},
      {"Databar-Expanded", "ABC", "application identifier"},
      // A second tracking digit 5-9 fits the lengths but not the encoder.
      {"USPS4CB", "0712345678901234567801234", "second digit of a USPS4CB tracking code must be 0 to 4 (got 7)"},
  };
  for (const auto& row : rows) {
    for (const std::string action : {"svgf", "epsf", "pngf", "pdff"}) {
      SCOPED_TRACE(std::string(row.type) + " " + row.data.substr(0, 20) + " " + action);
      const std::string path = test::TempDir() + "/refused." + action.substr(0, 3);
      const test::ProcessResult run =
          test::RunKbc(test::WithOutput({"-type", row.type, "-data", row.data}, action, path));
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
      if (action == "pdff") {
        EXPECT_NE(run.err.find("No BarCode Image"), std::string::npos) << run.err;
      } else {
        EXPECT_FALSE(std::filesystem::exists(path));
      }
    }
  }
}

}  // namespace
}  // namespace kbc
