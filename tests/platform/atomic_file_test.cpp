// Output targets of every kind: regular files are replaced whole, devices and
// FIFOs are written into and survive, folders are refused, and no temporary
// file is left behind. Devices are made in a temporary folder, never in /dev.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <future>

#include "platform/atomic_file.h"
#include "support/process.h"

namespace kbc {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDocument = "%!PS-Adobe-3.0 EPSF-3.0\n%%EOF\n";

// A fresh folder per test, inside the test run's temporary folder.
std::string FreshFolder(const std::string& name) {
  const std::string folder = test::TempDir() + "/" + name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void WriteText(const std::string& path, std::string_view text) { std::ofstream(path, std::ios::binary) << text; }

// Names in the folder that look like our temporary files.
int TemporaryFilesIn(const std::string& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) count += entry.path().filename().string().starts_with('.');
  return count;
}

// Everything a reader of the FIFO gets, read while the writer writes.
std::future<std::string> ReadFifo(const std::string& path) {
  return std::async(std::launch::async, [path] { return test::ReadFile(path); });
}

TEST(AtomicFile, FifosAreWrittenIntoAndSurviveThroughLinks) {
  const std::string folder = FreshFolder("fifo");
  ASSERT_EQ(mkfifo((folder + "/fifo").c_str(), 0600), 0);
  fs::create_symlink("fifo", folder + "/link.eps");
  for (const std::string name : {"fifo", "link.eps"}) {
    SCOPED_TRACE(name);
    auto reader = ReadFifo(folder + "/" + name);
    EXPECT_EQ(WriteFileAtomically(folder + "/" + name, kDocument), std::nullopt);
    EXPECT_EQ(reader.get(), kDocument);
    EXPECT_TRUE(fs::is_fifo(folder + "/fifo"));
    EXPECT_TRUE(fs::is_symlink(folder + "/link.eps"));
    EXPECT_EQ(TemporaryFilesIn(folder), 0);
  }
}

TEST(AtomicFile, DeviceNodesAreWrittenIntoAndSurviveThroughLinks) {
  if (geteuid() != 0) GTEST_SKIP() << "making a device node needs root";
  const std::string folder = FreshFolder("device");
  const std::string device = folder + "/null";
  ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  fs::create_symlink(device, folder + "/out.png");
  for (const std::string& path : {device, folder + "/out.png"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(WriteFileAtomically(path, kDocument), std::nullopt);
    struct stat info {};
    ASSERT_EQ(lstat(device.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(info.st_rdev, makedev(1, 3));
    EXPECT_TRUE(fs::is_symlink(folder + "/out.png"));
    EXPECT_EQ(TemporaryFilesIn(folder), 0);
  }
}

TEST(AtomicFile, FoldersAreRefusedWithOneClearLine) {
  const std::string folder = FreshFolder("folder");
  fs::create_directory(folder + "/target");
  fs::create_symlink("target", folder + "/link");
  for (const std::string name : {"target", "link"}) {
    const auto error = WriteFileAtomically(folder + "/" + name, kDocument);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("it is a folder"), std::string::npos) << *error;
    EXPECT_TRUE(fs::is_directory(folder + "/target"));
    EXPECT_TRUE(fs::is_empty(folder + "/target"));
  }
}

// The link stays, the file it names is replaced by a new inode of the same mode.
TEST(AtomicFile, RegularFilesAreReplacedWholeThroughLinks) {
  const std::string folder = FreshFolder("regular");
  WriteText(folder + "/real.eps", "old");
  chmod((folder + "/real.eps").c_str(), 0640);
  fs::create_symlink("real.eps", folder + "/link.eps");
  EXPECT_EQ(WriteFileAtomically(folder + "/link.eps", kDocument), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(folder + "/link.eps"));
  EXPECT_EQ(test::ReadFile(folder + "/real.eps"), kDocument);
  EXPECT_EQ(fs::status(folder + "/real.eps").permissions(), fs::perms(0640));
  EXPECT_EQ(TemporaryFilesIn(folder), 0);
}

// Names up to NAME_MAX are valid; the temporary name must not push past it.
TEST(AtomicFile, LongNamesAreWritten) {
  const std::string folder = FreshFolder("long");
  for (std::size_t length : {249, 255}) {
    const std::string path = folder + "/" + std::string(length - 4, 'n') + ".eps";
    EXPECT_EQ(WriteFileAtomically(path, kDocument), std::nullopt) << length;
    EXPECT_EQ(test::ReadFile(path), kDocument);
  }
  EXPECT_EQ(TemporaryFilesIn(folder), 0);
  // 247 bytes of the name fit; the 247th is the first half of an "é", so it goes too.
  const std::string accented = std::string(246, 'n') + "\xC3\xA9\xC3\xA9";
  EXPECT_EQ(TemporaryNameFor(accented), "." + std::string(246, 'n') + ".XXXXXX");
  EXPECT_EQ(TemporaryNameFor(std::string(245, 'n') + "\xC3\xA9\xC3\xA9").size(), std::size_t(NAME_MAX));
}

// Root may write anywhere, so as root the write runs as nobody in a child.
TEST(AtomicFile, WritableFilesInReadOnlyFoldersAreWrittenInPlace) {
  char pattern[] = "/tmp/kbc-readonly-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  const std::string file = folder + "/kept.svg";
  WriteText(file, "old contents, longer than the document");
  const uid_t nobody = 65534;
  if (geteuid() == 0) {
    ASSERT_EQ(chown(file.c_str(), nobody, nobody), 0);
    chmod(folder.c_str(), 0555);
    const pid_t child = fork();
    if (child == 0) {
      const bool dropped = setgid(nobody) == 0 && setuid(nobody) == 0;
      _exit(dropped && !WriteFileAtomically(file, kDocument) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  } else {
    chmod(folder.c_str(), 0555);
    EXPECT_EQ(WriteFileAtomically(file, kDocument), std::nullopt);
  }
  EXPECT_EQ(test::ReadFile(file), kDocument);
  chmod(folder.c_str(), 0755);
  fs::remove_all(folder);
}

// A child stands in for a run interrupted while its temporary file exists.
TEST(AtomicFile, SignalsRemoveTheTemporaryFileAndStillEndTheRun) {
  const std::string folder = FreshFolder("signals");
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    const std::string temporary = folder + "/.out.eps.ABCDEF";
    WriteText(temporary, "partial");
    const pid_t child = fork();
    if (child == 0) {
      const RemovedOnSignal guard(temporary);
      raise(signal);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
    EXPECT_FALSE(fs::exists(temporary));
  }
}

}  // namespace
}  // namespace kbc
