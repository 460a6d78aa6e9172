// The README's commands run as written, so they cannot go stale: the quick
// start's first run and every example, each symbol read back by a decoder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "support/decoders.h"
#include "support/process.h"

namespace kbc {
namespace {

constexpr std::string_view kProgram = "build/KestrovaBarCode ";

// The program's command lines of a fenced block after `heading`, with
// continued lines joined; comments and other commands are left out.
std::vector<std::string> CommandsAfter(const std::string& readme, const std::string& heading) {
  const std::size_t open = readme.find("```sh\n", readme.find(heading));
  const std::size_t close = readme.find("```", open + 6);
  std::vector<std::string> commands;
  std::string pending;
  std::size_t start = open + 6;
  while (start < close) {
    const std::size_t end = readme.find('\n', start);
    std::string line = readme.substr(start, end - start);
    start = end + 1;
    const bool continued = line.ends_with('\\');
    pending += continued ? line.substr(0, line.size() - 1) : line;
    if (continued) continue;
    if (const std::size_t at = pending.find(kProgram); at != std::string::npos && !pending.starts_with('#')) {
      commands.push_back(pending.substr(at));
    }
    pending.clear();
  }
  return commands;
}

// The content of the symbol in each file these examples write; examples added
// later are run too, for their status and stderr.
const std::map<std::string, std::string> kExpected = {
    {"code.svg", "5901234123457"},
    {"upc.pdf", "036000291452"},
    {"hello.tif", "Hello World"},
    {"qr.png", "first line\nsecond line"},
    {"isbn.eps", "9780306406157"},
    {"part.svg", "PART-42"},
    {"sscc.png", "00106141411234567897"},  // the label-printer examples
    {"retail.png", "5901234123457"},
    {"label-0002.png", "4006381333931"},  // the batch example, line 2 of products.txt
    {"box.png", "Box 42"},                // the CSV example: its row with its own file
    {"label-4.png", "Kestrova, Lot 7\nshelf 3"},
};

// The file the CSV example reads, as the README shows it.
std::string CsvExampleFile(const std::string& readme) {
  const std::size_t open = readme.find("```csv\n", readme.find("\n## CSV mode"));
  return readme.substr(open + 7, readme.find("```", open + 7) - open - 7);
}

TEST(ReadmeExamples, RunAsWrittenAndScan) {
  const std::string readme = test::ReadFile(KBC_GOLDEN_DIR "/../../README.md");
  std::vector<std::string> commands = CommandsAfter(readme, "## Quick start");
  for (const char* section : {"\nExamples:", "\nFor printing", "\n## Batch mode", "\n## CSV mode"}) {
    const std::vector<std::string> examples = CommandsAfter(readme, section);
    ASSERT_FALSE(examples.empty()) << section;
    commands.insert(commands.end(), examples.begin(), examples.end());
  }

  const std::string folder = test::TempDir() + "/readme";
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/products.txt") << "590123412345\n400638133393\n";
  std::ofstream(folder + "/labels.csv") << CsvExampleFile(readme);
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const std::string program = std::string(KBC_EXECUTABLE) + " ";
    const auto run = test::RunProgram({"sh", "-c", "cd \"$0\" && " + program + command.substr(kProgram.size()), folder});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
  }
  for (const auto& [file, text] : kExpected) {
    SCOPED_TRACE(file);
    const std::string png = test::Rasterise(folder + "/" + file);
    ASSERT_FALSE(png.empty());
    const auto found = test::ZxingRead(png);
    ASSERT_FALSE(found.empty()) << "nothing read from " << png;
    EXPECT_EQ(found.front().bytes, text) << test::Describe(found);
  }
}

}  // namespace
}  // namespace kbc
