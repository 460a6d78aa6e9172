// Text typed as UTF-8: shown as typed in the documents and warnings (the 2-D
// symbols keep encoding the bytes themselves, as QrRoundTrip reads back).
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/output_files.h"
#include "support/process.h"

namespace kbc::test {
namespace {

const std::string kCreme = "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e 5 \xE2\x82\xAC";

TEST(TypedText, DocumentsShowTheCharactersTyped) {
  const struct {
    std::vector<std::string> args;
    std::string action;
    std::string expected;  // in the file's bytes
  } rows[] = {
      {{"-type", "Code-128", "-data", kCreme}, "epsf", "%%Meta: \xC2\xAB" "Code-128 " + kCreme + "\xC2\xBB"},
      {{"-type", "Code-39", "-data", "ABC", "-disp", "Cr\xC3\xA8me"}, "svgf", "y=\"41\">&#xE8;</text>"},
  };
  for (const auto& row : rows) {
    const std::string path = TempDir() + "/typed." + row.action;
    const ProcessResult run = RunKbc(WithOutput(row.args, row.action, path));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(ReadFile(path).find(row.expected), std::string::npos) << row.args[1] << " " << row.action;
  }
  const std::string pdf = TempDir() + "/typed.pdf";
  ASSERT_EQ(RunKbc(WithOutput({"-type", "Code-93", "-data", "Gr\xC3\xB6\xC3\x9F" "e"}, "pdff", pdf)).status, 0);
  EXPECT_NE(RunProgram({"pdfinfo", pdf}).out.find("Title:           Code-93 Gr\xC3\xB6\xC3\x9F" "e"), std::string::npos);
}

TEST(TypedText, BatchLinesAreReadAlike) {
  const std::string lines = TempDir() + "/typed-lines.txt";
  std::ofstream(lines) << "Caf\xC3\xA9\nCafe\n";
  const ProcessResult run = RunKbc(
      {"-type", "Code-128", "-batch", lines, "-action", "svgf", "-output", TempDir() + "/typed-line.svg"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("line 1: Code-128 data \"Caf\xC3\xA9\": dropped \"\xC3\xA9\""), std::string::npos) << run.err;
}

}  // namespace
}  // namespace kbc::test
