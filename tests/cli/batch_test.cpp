// Batch mode: line splitting and output names, whole batches against single
// runs of the same data, byte for byte, over every symbology, and batches
// interrupted by signals.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "core/settings.h"
#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "support/fixed_format_data.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

using test::ReadFile;
using test::FreshFolder;
using test::RunKbc;
using test::WriteFile;

TEST(Batch, LinesEndAtLineFeedsWithOrWithoutCarriageReturns) {
  using Lines = std::vector<std::pair<std::size_t, std::string>>;
  Lines lines;
  for (const BatchLine& line : SplitBatchLines("a\r\n\nb\n\r\nc d\\n\nlast")) lines.emplace_back(line.number, line.bytes);
  EXPECT_EQ(lines, (Lines{{1, "a"}, {3, "b"}, {5, "c d\\n"}, {6, "last"}}));
  EXPECT_TRUE(SplitBatchLines("").empty());
  EXPECT_EQ(SplitBatchLines("x\n").size(), 1u);
}

TEST(Batch, OutputNamesCarryTheLineNumber) {
  const std::tuple<const char*, std::size_t, const char*> rows[] = {
      {"label-####.png", 1, "label-0001.png"},
      {"label-####.png", 12345, "label-12345.png"},  // longer than the run: all digits kept
      {"out/#-of-##.svg", 7, "out/7-of-07.svg"},
      {"dir#/label.png", 3, "dir#/label-3.png"},  // only the file name is numbered
      {"label.png", 42, "label-42.png"},
      {"archive.tar.gz", 2, "archive.tar-2.gz"},
      {"README", 9, "README-9"},
      {"/tmp/.hidden", 5, "/tmp/.hidden-5"},
  };
  for (const auto& [pattern, number, path] : rows) EXPECT_EQ(BatchOutputPath(pattern, number), path) << pattern;
}

// Data each symbology draws, found at random as the table test finds it.
std::vector<std::string> DrawableData(SymbologyType code, std::mt19937& rng, std::size_t wanted) {
  static constexpr std::string_view kAlphabets[] = {"0123456789", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcd-. "};
  std::vector<std::string> found;
  for (int attempt = 0; attempt < 2000 && found.size() < wanted; ++attempt) {
    const std::string_view alphabet = kAlphabets[rng() % 2];
    const std::size_t lengths[] = {1, 4, 7, 8, 12, 13, 20, 25, 31};
    std::string data(lengths[rng() % std::size(lengths)], ' ');
    for (char& c : data) c = alphabet[rng() % alphabet.size()];
    if (const auto fixed = test::RandomFixedFormatData(SymbologyName(code), rng); fixed && attempt % 2 == 0) data = *fixed;
    if (data.front() == ' ' || data.back() == ' ') continue;
    BarcodeSettings settings = InitSettings();
    settings.symbology = code;
    settings.data = std::u32string(data.begin(), data.end());
    ShapeDataForType(settings);
    if (ValidateBarcodeData(settings)) found.push_back(data);
  }
  return found;
}

// The file's bytes, less the EPS title line, which names the file itself.
std::string Contents(const std::string& path) {
  std::string bytes = ReadFile(path);
  const std::size_t title = bytes.find("\n%%Title: ");
  if (bytes.starts_with("%!PS") && title != std::string::npos) bytes.erase(title, bytes.find('\n', title + 1) - title);
  return bytes;
}

// Every file a batch writes equals the file a single run writes for its line:
// SVG, EPS (but for its title, the file's name), PNG and PDF at a fixed date,
// byte for byte; on two workers.
TEST(Batch, EveryFileEqualsASingleRun) {
  const std::string folder = FreshFolder("batch");
  std::mt19937 rng(20261207);
  const char* actions[] = {"svgf", "epsf", "pngf", "pdff"};
  for (SymbologyType code = 1; code <= kSymbologyCount; ++code) {
    const std::string name(SymbologyName(code));
    const std::vector<std::string> lines = DrawableData(code, rng, 2);
    ASSERT_FALSE(lines.empty()) << name;
    const std::string action = actions[code % std::size(actions)];
    const std::string batchFile = folder + "/" + std::to_string(code) + ".txt";
    WriteFile(batchFile, lines[0] + "\n" + (lines.size() > 1 ? lines[1] : lines[0]) + "\n");
    const std::vector<std::string> options = {"-type", name, "-scale", code % 3 == 0 ? "150" : "100", "-trim", "10"};
    std::vector<std::string> args = options;
    const std::string pattern = folder + "/" + std::to_string(code) + "-##." + action;
    args.insert(args.end(), {"-batch", batchFile, "-threads", "2", "-action", action, "-output", pattern});
    const auto batch = RunKbc(args, test::kFixedDate);
    ASSERT_EQ(batch.status, 0) << name << ": " << batch.err;
    for (std::size_t i = 0; i < 2; ++i) {
      const std::string single = folder + "/single." + action;
      std::vector<std::string> one = options;
      one.insert(one.end(), {"-data", i < lines.size() ? lines[i] : lines[0], "-action", action, "-output", single});
      ASSERT_EQ(RunKbc(one, test::kFixedDate).status, 0) << name;
      const bool same = Contents(BatchOutputPath(pattern, i + 1)) == Contents(single);
      EXPECT_TRUE(same) << name << " line " << i + 1 << " as " << action;
    }
  }
}

// A line that cannot be drawn is named with its number and reason, in line
// order whatever the number of workers; the other lines are written.
TEST(Batch, FailuresInLineOrderAndTheRestWritten) {
  const std::string folder = FreshFolder("failing");
  const std::string batchFile = folder + "/in.txt";
  WriteFile(batchFile, "590123412345\nabc\n\n400638133393\r\n--\n12345670");
  std::string firstErr;
  for (const char* threads : {"1", "4"}) {
    const auto run = RunKbc({"-type", "EAN-13", "-batch", batchFile, "-threads", threads, "-action", "svgf",
                             "-output", folder + "/code-#.svg"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find("KestrovaBarCode: line 2: the data cannot be drawn as EAN-13"), 0u) << run.err;
    EXPECT_NE(run.err.find("\nKestrovaBarCode: line 5: "), std::string::npos) << run.err;
    if (firstErr.empty()) firstErr = run.err;
    EXPECT_EQ(run.err, firstErr) << threads << " workers";
    for (const char* written : {"code-1.svg", "code-4.svg", "code-6.svg"}) {
      EXPECT_TRUE(std::filesystem::exists(folder + "/" + written)) << written;
    }
    EXPECT_FALSE(std::filesystem::exists(folder + "/code-2.svg"));
  }
}

// Under -strict 1 each line that would warn is refused and the others are
// written; a file without data is a failure too.
TEST(Batch, StrictRefusesTheLinesThatWouldWarn) {
  const std::string folder = FreshFolder("strict");
  WriteFile(folder + "/in.txt", "590123412345\n5901234123458\n");
  WriteFile(folder + "/empty.txt", "\n");
  const std::vector<std::string> options = {"-type", "EAN-13", "-strict", "1", "-action", "svgf", "-output",
                                            folder + "/code-#.svg"};
  std::vector<std::string> args = {"-batch", folder + "/in.txt"};
  args.insert(args.end(), options.begin(), options.end());
  const auto run = RunKbc(args);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "KestrovaBarCode: line 2: EAN-13 data \"5901234123458\": replaced the check digit 8 by the "
                     "computed 7; encoded \"5901234123457\" instead\n");
  EXPECT_TRUE(std::filesystem::exists(folder + "/code-1.svg"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/code-2.svg"));

  args[1] = folder + "/empty.txt";
  const auto empty = RunKbc(args);
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.err, "KestrovaBarCode: the batch file \"" + folder + "/empty.txt\" has no data\n");
}

TEST(Batch, RefusalsAndStandardInput) {
  const std::string folder = FreshFolder("refusals");
  const std::string input = folder + "/in-1.txt";
  WriteFile(input, "590123412345\n");
  // Line 1 of "in.txt" is "in-1.txt": the batch file is never overwritten.
  const auto own = RunKbc({"-batch", input, "-action", "svgf", "-output", folder + "/in.txt"});
  EXPECT_EQ(own.status, 1);
  EXPECT_NE(own.err.find("is the batch file itself"), std::string::npos) << own.err;
  EXPECT_EQ(ReadFile(input), "590123412345\n");

  const auto clip = RunKbc({"-batch", input, "-action", "clip", "-type", "EAN-13"});
  EXPECT_EQ(clip.status, 2);
  EXPECT_NE(clip.err.find("-action clip cannot be used with -batch"), std::string::npos) << clip.err;

  const auto missing = RunKbc({"-batch", folder + "/none.txt", "-action", "svgf", "-output", folder + "/x.svg"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("cannot read the batch file"), std::string::npos) << missing.err;

  const auto piped = test::RunProgram({"sh", "-c", std::string("printf '9638507\\n' | ") + KBC_EXECUTABLE +
                                                       " -type EAN-8 -batch - -action svgf -output " + folder +
                                                       "/piped.svg"});
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_TRUE(std::filesystem::exists(folder + "/piped-1.svg"));
}

struct EndlessInput {
  const char* name;
  const char* command;  // writes the input to standard output
  const char* option;
  const char* message;
};

// An input that is no text file, or a line that never ends, stops the run at
// once with one message naming where: it is never searched to its end. A NUL
// byte in the first piece read refuses the file before anything is drawn.
TEST(Batch, InputsThatAreNoTextStopTheRun) {
  const std::string folder = FreshFolder("endless");
  const EndlessInput inputs[] = {
      {"zeros as batch", "cat /dev/zero", "-batch", "line 1: the batch file is not a text file"},
      {"zeros as CSV", "cat /dev/zero", "-csv", "row 1: the CSV file is not a text file"},
      {"random as batch", "cat /dev/urandom", "-batch", "the batch file is not a text file"},
      {"random as CSV", "cat /dev/urandom", "-csv", "the CSV file is not a text file"},
      {"endless line", "yes 1 | tr -d '\\n'", "-batch", "line 1: the line is longer than 14178 bytes"},
      // The first piece read holds no whole line: the long line still is the run's last word.
      {"endless line, slowly", "{ printf 1; sleep 0.2; yes 1 | tr -d '\\n'; }", "-batch", "line 1: the line is longer"},
      {"endless row", "yes 1, | tr -d '\\n'", "-csv", "row 1: the row is longer than"},
      {"NUL after good lines", "printf '9638507\\n9638507\\n96\\000'", "-batch", "line 3: the batch file is not"},
  };
  for (const EndlessInput& input : inputs) {
    SCOPED_TRACE(input.name);
    // The timeout only ends a run that failed to stop by itself.
    const std::string command = std::string(input.command) + " | timeout 60 " + KBC_EXECUTABLE +
                                " -type EAN-8 " + input.option + " - -action svgf -output " + folder + "/x.svg";
    const auto run = test::RunProgram({"sh", "-c", command});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(input.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.err.ends_with("stops here\n")) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(folder + "/x-1.svg")) << "a binary file is refused before any line is drawn";
}

// The input read from standard input is guarded like a named one.
TEST(Batch, StandardInputIsNeverOverwritten) {
  const std::string folder = FreshFolder("stdin-own");
  const std::string csv = "type,data,output\nEAN-8,9638507,in.csv\n";
  WriteFile(folder + "/in.csv", csv);
  WriteFile(folder + "/list-1.txt", "9638507\n");
  const auto csvRun = test::RunProgram(
      {"sh", "-c", std::string(KBC_EXECUTABLE) + " -csv - -action svgf < in.csv"}, {}, folder);
  EXPECT_EQ(csvRun.status, 1);
  EXPECT_NE(csvRun.err.find("is the CSV file itself"), std::string::npos) << csvRun.err;
  EXPECT_EQ(ReadFile(folder + "/in.csv"), csv);
  const auto batchRun = test::RunProgram(
      {"sh", "-c", std::string(KBC_EXECUTABLE) + " -type EAN-8 -batch - -action svgf -output list.txt < list-1.txt"},
      {}, folder);
  EXPECT_EQ(batchRun.status, 1);
  EXPECT_NE(batchRun.err.find("is the batch file itself"), std::string::npos) << batchRun.err;
  EXPECT_EQ(ReadFile(folder + "/list-1.txt"), "9638507\n");
}

// Interrupted at random moments by the signals that end a run: no temporary
// file is left beside the targets, and the run ends with the signal.
int TemporaryFilesIn(const std::string& folder) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    count += entry.path().filename().string().starts_with('.');
  }
  return count;
}

TEST(BatchSignals, NoTemporaryFileOutlivesAnInterruptedBatch) {
  const std::string folder = FreshFolder("batch-signals");
  std::string lines;
  for (int i = 0; i < 300; ++i) lines += "590123412345\n";
  const std::string batchFile = folder + "/in.txt";
  WriteFile(batchFile, lines);
  const std::string pattern = folder + "/out/code-###.png";
  std::filesystem::create_directories(folder + "/out");
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
