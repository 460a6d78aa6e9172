// Values a careless or hostile caller gives: every run still ends in a document
// an interpreter can render, or in one readable line and the right status.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "cli/front_end.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

namespace fs = std::filesystem;

using test::FreshFolder;

bool GhostscriptRenders(const std::string& eps) {
  return test::RunProgram({"gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=nullpage", eps}).status == 0;
}

// A size that would print below 1 takes the canvases' size (0 means 12); the
// document is otherwise byte for byte the one the canvases' size gives.
TEST(HostileArguments, EpsFontSizesBelowOneStillRender) {
  const std::string folder = FreshFolder("font-size");
  const auto write = [&](const std::string& size, const std::string& name) {
    const std::string path = folder + "/" + name + "/code.eps";
    fs::create_directories(folder + "/" + name);
    const auto args = test::WithOutput({"-data", "590123412345", "-fontsize", size}, "epsf", path);
    EXPECT_EQ(test::RunKbc(args, test::kFixedDate).status, 0) << size;
    return test::ReadFile(path);
  };
  const std::string twelve = write("12", "twelve");
  for (const std::string size : {"0", "abc", "nan"}) {
    EXPECT_EQ(write(size, "zero"), twelve) << size;
    EXPECT_TRUE(GhostscriptRenders(folder + "/zero/code.eps")) << size;
  }
  const std::string half = write(".5", "half");
  EXPECT_NE(half.find("/Monaco 0.5 QZsetfont"), std::string::npos);
  EXPECT_TRUE(GhostscriptRenders(folder + "/half/code.eps"));
}

TEST(HostileArguments, OverlongFontNamesAreCutTo127Characters) {
  const std::string eps = FreshFolder("font-name") + "/code.eps";
  const std::string name(1024, 'F');
  ASSERT_EQ(test::RunKbc(test::WithOutput({"-data", "590123412345", "-fontname", name}, "epsf", eps)).status, 0);
  const std::string text = test::ReadFile(eps);
  EXPECT_NE(text.find("/" + std::string(127, 'F') + " 10 QZsetfont"), std::string::npos);
  EXPECT_TRUE(GhostscriptRenders(eps));
}

// The preferences file as a FIFO (no writer: reading it would wait forever)
// and with a Latin-1 author.
TEST(HostileArguments, PreferencesFilesThatAreNotUtf8OrNotFiles) {
  const std::string latin = FreshFolder("prefs-latin1");
  fs::create_directories(latin + "/KestrovaBarCode");
  std::ofstream(latin + "/KestrovaBarCode/preferences") << "QZTXAuth=Jos\xE9\n";
  const std::string fifo = FreshFolder("prefs-fifo");
  fs::create_directories(fifo + "/KestrovaBarCode");
  ASSERT_EQ(mkfifo((fifo + "/KestrovaBarCode/preferences").c_str(), 0600), 0);

  for (const auto& [config, author] : {std::pair{latin, std::string("Jos\xC3\xA9")}, std::pair{fifo, std::string()}}) {
    const std::string pdf = config + "/code.pdf";
    const auto run = test::RunKbc(test::WithOutput({"-data", "590123412345"}, "pdff", pdf), {"XDG_CONFIG_HOME=" + config});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string info = test::RunProgram({"pdfinfo", "-enc", "UTF-8", pdf}).out;
    EXPECT_NE(info.find("Author:" + std::string(author.empty() ? "" : "          " + author)), std::string::npos)
        << info;
  }
}

// Echoed values keep the error on one line.
TEST(HostileArguments, ControlCharactersInMessagesAreEscaped) {
  const auto type = test::RunKbc({"-type", "EAN\n13", "-action", "svgf", "-data", "1"});
  EXPECT_EQ(type.status, 2);
  EXPECT_EQ(type.err, "KestrovaBarCode: unknown -type \"EAN\\n13\"; did you mean \"EAN-13\"?\n");
  const auto path =
      test::RunKbc(test::WithOutput({"-data", "590123412345"}, "svgf", test::TempDir() + "/no\tsuch\x1b/code.svg"));
  EXPECT_EQ(path.status, 1);
  EXPECT_EQ(std::ranges::count(path.err, '\n'), 1) << path.err;
  EXPECT_NE(path.err.find("no\\tsuch\\x1b/code.svg"), std::string::npos) << path.err;
}

TEST(HostileArguments, UnknownTypesSuggestTheNearestName) {
  const std::pair<std::string, std::string> rows[] = {
      {"ean-13", "; did you mean \"EAN-13\"?"}, {"qrcode", "; did you mean \"QRCode\"?"},
      {"Telepen2", "; did you mean \"Telepen\"?"}, {"aztec", "; did you mean \"Aztec\"?"},
      {"HIBC-DM", "; did you mean \"HIBC-QR\"?"}, {"Maxicode5", "; did you mean \"MaxiCode\"?"},
      {"HanXin", "; did you mean \"Han-Xin\"?"}, {"Xyzzy", ""},
  };
  for (const auto& [typed, suggestion] : rows) {
    const auto run = test::RunKbc({"-type", typed, "-action", "svgf", "-data", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "KestrovaBarCode: unknown -type \"" + typed + "\"" + suggestion + "\n");
  }
}

TEST(HostileArguments, UsageThatCannotBeWrittenFailsTheRun) {
  // A pipe whose reader has gone takes nothing, as a full disk does.
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  close(ends[0]);
  const auto previous = signal(SIGPIPE, SIG_IGN);
  TextOut out(ends[1]);
  std::string errText;
  TextOut err(errText);
  const std::string_view args[] = {"KestrovaBarCode"};
  EXPECT_EQ(RunCommandLine(args, out, err), 1);
  signal(SIGPIPE, previous);
  close(ends[1]);
  EXPECT_EQ(errText, "KestrovaBarCode: the usage text could not be written to standard output\n");

  if (geteuid() != 0) GTEST_SKIP() << "a device that is always full needs root to make";
  const std::string full = FreshFolder("full") + "/full";
  ASSERT_EQ(mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
  EXPECT_EQ(test::RunProgram({"sh", "-c", "\"$0\" > \"$1\"", KBC_EXECUTABLE, full}).status, 1);
}

}  // namespace
}  // namespace kbc
