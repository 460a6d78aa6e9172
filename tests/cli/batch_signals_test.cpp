// Batches interrupted at random moments by the signals that end a run: no
// temporary file is left beside the targets, and the run ends with the signal.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "support/process.h"

namespace kbc {
namespace {

namespace fs = std::filesystem;

int TemporaryFilesIn(const std::string& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder)) count += entry.path().filename().string().starts_with('.');
  return count;
}

TEST(BatchSignals, NoTemporaryFileOutlivesAnInterruptedBatch) {
  const std::string folder = test::FreshFolder("batch-signals");
  std::string lines;
  for (int i = 0; i < 300; ++i) lines += "590123412345\n";
  const std::string batchFile = folder + "/in.txt";
  test::WriteFile(batchFile, lines);
  const std::string pattern = folder + "/out/code-###.png";
  fs::create_directories(folder + "/out");
  // Existing targets are replaced through temporary files, which are what a signal may strand.
  const std::vector<std::string> args = {KBC_EXECUTABLE, "-type", "EAN-13", "-batch", batchFile, "-threads", "4",
                                         "-action", "pngf", "-output", pattern};
  ASSERT_EQ(test::RunProgram(args).status, 0);

  std::mt19937 rng(24);
  const int signals[] = {SIGTERM, SIGINT, SIGHUP};
  for (int attempt = 0; attempt < 50; ++attempt) {
    const int signal = signals[attempt % 3];
    const pid_t child = fork();
    if (child == 0) {
      std::vector<char*> argv;
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(2000 + rng() % 40000));
    kill(child, signal);
    int status = 0;
    waitpid(child, &status, 0);
    const bool ended = (WIFSIGNALED(status) && WTERMSIG(status) == signal) || (WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(ended) << "attempt " << attempt << ", status " << status;
    EXPECT_EQ(TemporaryFilesIn(folder + "/out"), 0) << "attempt " << attempt << ", signal " << signal;
  }
}

}  // namespace
}  // namespace kbc
