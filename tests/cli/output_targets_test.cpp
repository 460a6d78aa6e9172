// -output names a device, FIFO, /dev/stdout or a long name: the built
// executable writes what a regular file would hold and harms nothing else.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <future>

#include "support/process.h"

namespace kbc {
namespace {

namespace fs = std::filesystem;
using test::FreshFolder;

std::vector<std::string> Request(const std::string& action, const std::string& output) {
  return {"-type", "EAN-13", "-data", "590123412345", "-action", action, "-output", output};
}

// The document a regular file receives, to compare the other targets with.
std::string RegularDocument(const std::string& folder, const std::string& action) {
  const std::string path = folder + "/regular." + action;
  EXPECT_EQ(test::RunKbc(Request(action, path)).status, 0);
  return test::ReadFile(path);
}

TEST(OutputTargets, FifoReaderGetsTheDocumentAndTheFifoStays) {
  const std::string folder = FreshFolder("cli-fifo");
  const std::string fifo = folder + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string action : {"svgf", "pngf"}) {
    auto reader = std::async(std::launch::async, [&] { return test::ReadFile(fifo); });
    const auto run = test::RunKbc(Request(action, fifo));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(reader.get(), RegularDocument(folder, action));
    EXPECT_TRUE(fs::is_fifo(fifo));
  }
}

TEST(OutputTargets, LinkToADeviceLeavesTheDeviceInPlace) {
  if (geteuid() != 0) GTEST_SKIP() << "making a device node needs root";
  const std::string folder = FreshFolder("cli-device");
  const std::string device = folder + "/null";
  ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  fs::create_symlink(device, folder + "/out.png");
  const auto run = test::RunKbc(Request("pngf", folder + "/out.png"));
  EXPECT_EQ(run.status, 0) << run.err;
  struct stat info {};
  ASSERT_EQ(stat(device.c_str(), &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode) && info.st_rdev == makedev(1, 3));
}

TEST(OutputTargets, StandardOutputTakesTheDocument) {
  const std::string folder = FreshFolder("cli-stdout");
  const auto run = test::RunKbc(Request("epsf", "/dev/stdout"));
  EXPECT_EQ(run.status, 0) << run.err;
  // The EPS title is the file's name: the only difference from a regular file.
  std::string expected = RegularDocument(folder, "epsf");
  expected.replace(expected.find("regular.epsf"), std::string("regular.epsf").size(), "stdout");
  EXPECT_EQ(run.out, expected);
}

// A regular file behind standard output is written into, not replaced: the
// descriptor the shell opened must see the document.
TEST(OutputTargets, StandardOutputRedirectedToAFileKeepsThatFile) {
  const std::string folder = FreshFolder("cli-stdout-file");
  const std::string file = folder + "/redirected.eps";
  std::ofstream(file) << "old";
  struct stat before {};
  ASSERT_EQ(stat(file.c_str(), &before), 0);
  std::vector<std::string> command = {"sh", "-c", "exec \"$0\" \"$@\" > " + file, KBC_EXECUTABLE};
  for (const std::string& arg : Request("epsf", "/dev/stdout")) command.push_back(arg);
  EXPECT_EQ(test::RunProgram(command).status, 0);
  struct stat after {};
  ASSERT_EQ(stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_TRUE(test::ReadFile(file).starts_with("%!PS-Adobe-3.0 EPSF-3.0\n"));
}

// A folder is refused by the writer itself (AtomicFile.FoldersAreRefusedWithOneClearLine).
TEST(OutputTargets, LongNameWritten) {
  const std::string folder = FreshFolder("cli-names");
  const std::string longName = folder + "/" + std::string(245, 'x') + ".svg";  // 249 bytes
  const auto written = test::RunKbc(Request("svgf", longName));
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(test::ReadFile(longName), RegularDocument(folder, "svgf"));
}

}  // namespace
}  // namespace kbc
