// The writer's targets behind links, folders, temporary names, read-only
// folders and interrupts: regular files are replaced whole, FIFOs written into
// and kept, folders refused, and no temporary file is left behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <future>
#include <vector>

#include "files/atomic_file.h"
#include "support/process.h"

namespace kbc {
namespace {

namespace fs = std::filesystem;
using test::FreshFolder;
using test::WriteFile;

constexpr std::string_view kDocument = "%!PS-Adobe-3.0 EPSF-3.0\n%%EOF\n";

// Names in the folder that look like our temporary files.
int TemporaryFilesIn(const std::string& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) count += entry.path().filename().string().starts_with('.');
  return count;
}

// Whether `work` succeeds in a child process.
bool ChildSucceeds(const std::function<bool()>& work) {
  const pid_t child = fork();
  if (child == 0) _exit(work() ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Devices and FIFOs named directly are run through the built program in
// tests/cli/output_targets_test.cpp; here the link to a FIFO.
TEST(AtomicFile, FifosBehindLinksAreWrittenIntoAndSurvive) {
  const std::string folder = FreshFolder("fifo");
  ASSERT_EQ(mkfifo((folder + "/fifo").c_str(), 0600), 0);
  fs::create_symlink("fifo", folder + "/link.eps");
  auto reader = std::async(std::launch::async, [&] { return test::ReadFile(folder + "/fifo"); });
  EXPECT_TRUE(WriteFileAtomically(folder + "/link.eps", kDocument));
  EXPECT_EQ(reader.get(), kDocument);
  EXPECT_TRUE(fs::is_fifo(folder + "/fifo"));
  EXPECT_TRUE(fs::is_symlink(folder + "/link.eps"));
  EXPECT_EQ(TemporaryFilesIn(folder), 0);
}

TEST(AtomicFile, FoldersAreRefusedWithOneClearLine) {
  const std::string folder = FreshFolder("folder");
  fs::create_directory(folder + "/target");
  fs::create_symlink("target", folder + "/link");
  for (const std::string name : {"target", "link"}) {
    const Status written = WriteFileAtomically(folder + "/" + name, kDocument);
    ASSERT_FALSE(written);
    EXPECT_NE(written.refusal.find("it is a folder"), std::string::npos) << written.refusal;
    EXPECT_TRUE(fs::is_directory(folder + "/target"));
    EXPECT_TRUE(fs::is_empty(folder + "/target"));
  }
}

// The link stays, the file it names is replaced by a new inode of the same mode.
TEST(AtomicFile, RegularFilesAreReplacedWholeThroughLinks) {
  const std::string folder = FreshFolder("regular");
  WriteFile(folder + "/real.eps", "old");
  chmod((folder + "/real.eps").c_str(), 0640);
  fs::create_symlink("real.eps", folder + "/link.eps");
  EXPECT_TRUE(WriteFileAtomically(folder + "/link.eps", kDocument));
  EXPECT_TRUE(fs::is_symlink(folder + "/link.eps"));
  EXPECT_EQ(test::ReadFile(folder + "/real.eps"), kDocument);
  EXPECT_EQ(fs::status(folder + "/real.eps").permissions(), fs::perms(0640));
  EXPECT_EQ(TemporaryFilesIn(folder), 0);
}

// A new name in a plain folder is written the short way, relative to the
// folder; a dangling link (whose target is made) and an existing file go the
// general way. All three end the same: bytes, mode and attribute.
TEST(AtomicFile, NewFilesWrittenTheShortWayMatchTheGeneralWay) {
  const mode_t mask = umask(0);
  umask(mask);
  const std::string folder = FreshFolder("short-way");
  fs::create_symlink("linked.eps", folder + "/dangling.eps");
  WriteFile(folder + "/existing.eps", "old");
  chmod((folder + "/existing.eps").c_str(), 0666 & ~mask);
  constexpr std::string_view kInfo("EPSFQZTX\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 32);
  for (const std::string name : {"new.eps", "dangling.eps", "existing.eps"}) {
    EXPECT_TRUE(WriteFileAtomically(folder + "/" + name, kDocument, ExtendedAttribute{"user.com.apple.FinderInfo", kInfo}));
  }
  EXPECT_TRUE(fs::is_symlink(folder + "/dangling.eps"));
  for (const std::string name : {"new.eps", "linked.eps", "existing.eps"}) {
    const std::string path = folder + "/" + name;
    EXPECT_EQ(test::ReadFile(path), kDocument) << name;
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0666 & ~mask)) << name;
    char info[32] = {};
    EXPECT_EQ(getxattr(path.c_str(), "user.com.apple.FinderInfo", info, sizeof info), 32) << name;
    EXPECT_EQ(std::string_view(info, 32), kInfo) << name;
  }
  EXPECT_EQ(TemporaryFilesIn(folder), 0);
}

// Names up to NAME_MAX are valid (the program writes one of 249 bytes in
// tests/cli/output_targets_test.cpp); the temporary name must not push past it.
TEST(AtomicFile, TemporaryNamesFitNameMax) {
  EXPECT_EQ(TemporaryNameFor("code.eps"), ".code.eps.XXXXXX");
  EXPECT_EQ(TemporaryNameFor(std::string(255, 'n')).size(), std::size_t(NAME_MAX));
  // 247 bytes of the name fit; the 247th is the first half of an "é", so it goes too.
  EXPECT_EQ(TemporaryNameFor(std::string(246, 'n') + "\xC3\xA9\xC3\xA9"), "." + std::string(246, 'n') + ".XXXXXX");
}

// Root may write anywhere, so as root the write runs as nobody in a child.
TEST(AtomicFile, WritableFilesInReadOnlyFoldersAreWrittenInPlace) {
  char pattern[] = "/tmp/kbc-readonly-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  const std::string file = folder + "/kept.svg";
  WriteFile(file, "old contents, longer than the document");
  const uid_t nobody = 65534;
  if (geteuid() == 0) {
    ASSERT_EQ(chown(file.c_str(), nobody, nobody), 0);
    chmod(folder.c_str(), 0555);
    EXPECT_TRUE(ChildSucceeds(
        [&] { return setgid(nobody) == 0 && setuid(nobody) == 0 && bool(WriteFileAtomically(file, kDocument)); }));
  } else {
    chmod(folder.c_str(), 0555);
    EXPECT_TRUE(WriteFileAtomically(file, kDocument));
  }
  EXPECT_EQ(test::ReadFile(file), kDocument);
  chmod(folder.c_str(), 0755);
  fs::remove_all(folder);
}

// A child stands in for a run interrupted while its temporary file exists.
TEST(AtomicFile, SignalsRemoveTheTemporaryFileAndStillEndTheRun) {
  const std::string folder = FreshFolder("signals") + "/";
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    const pid_t child = fork();
    if (child == 0) {
      const TemporaryFile temporary(folder, AT_FDCWD, "out.eps", 0600);
      if (temporary.Fd() < 0) _exit(1);
      raise(signal);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
    EXPECT_EQ(TemporaryFilesIn(folder), 0);
  }
}

// Descriptor links are never renamed over nor made: /dev/stdout with standard
// output closed names no file, and writing it must leave the link as it is.
TEST(AtomicFile, DescriptorLinksAreNeverReplaced) {
  EXPECT_TRUE(ChildSucceeds([] {
    close(STDOUT_FILENO);
    return !WriteFileAtomically("/dev/stdout", kDocument) && !WriteFileAtomically("/proc/self/fd/1", kDocument);
  }));
  EXPECT_TRUE(fs::is_symlink("/dev/stdout"));

  // Standard output on a file is written in place through a link to the
  // descriptor folder too (/dev/stdout itself: tests/cli/output_targets_test.cpp).
  const std::string folder = FreshFolder("descriptors");
  fs::create_directory_symlink("/proc/self/fd", folder + "/fds");
  const std::string file = folder + "/stdout.txt";
  WriteFile(file, "old");
  EXPECT_TRUE(ChildSucceeds([&] {
    const int fd = open(file.c_str(), O_WRONLY);
    return fd >= 0 && dup2(fd, STDOUT_FILENO) >= 0 && bool(WriteFileAtomically(folder + "/fds/1", kDocument));
  }));
  EXPECT_EQ(test::ReadFile(file), kDocument);
  EXPECT_TRUE(fs::is_symlink(folder + "/fds"));
}

// A batch writes on several threads: every new file gets 0666 less the
// process's umask, however the writes interleave (reading the umask means
// setting it, so two threads reading it at once could take each other's 0).
TEST(AtomicFile, NewFilesWrittenOnManyThreadsAllGetTheUmaskMode) {
  const mode_t mask = umask(0);
  umask(mask);
  const std::string folder = FreshFolder("threads");
  std::vector<std::future<void>> writers;
  for (int thread = 0; thread < 8; ++thread) {
    writers.push_back(std::async(std::launch::async, [&folder, thread] {
      for (int file = 0; file < 100; ++file) {
        WriteFileAtomically(folder + "/" + std::to_string(thread) + "-" + std::to_string(file) + ".eps", kDocument);
      }
    }));
  }
  for (auto& writer : writers) writer.get();
  int wrongModes = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    struct stat info {};
    ASSERT_EQ(stat(entry.path().c_str(), &info), 0);
    wrongModes += (info.st_mode & 07777) != (0666 & ~mask);
  }
  EXPECT_EQ(wrongModes, 0);
}

}  // namespace
}  // namespace kbc
