// Where a CSV file's rows may write: output cells confined to the folder of
// -output unless -csvpaths any, and no two requests of a run on one file.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

namespace fs = std::filesystem;
using test::FreshFolder;
using test::ReadFile;
using test::RunKbc;
using test::WriteFile;

struct Cell {
  const char* name;
  std::string cell;
  bool written;  // under the default rule
};

// Run in <base>/run with -output out/#.svg; <base>/outside is beyond it, and
// out/away and out/far.svg are links that lead there.
TEST(CsvOutputs, CellsStayInsideTheFolderOfOutput) {
  const std::string base = FreshFolder("csv-confined");
  const std::string run = base + "/run";
  fs::create_directories(run + "/out/sub");
  fs::create_directories(base + "/outside");
  fs::create_directory_symlink(base + "/outside", run + "/out/away");
  WriteFile(base + "/outside/far.svg", "precious");
  fs::create_symlink(base + "/outside/far.svg", run + "/out/far.svg");
  const Cell cells[] = {
      {"plain", "out/a.svg", true},
      {"subfolder", "out/sub/b.svg", true},
      {"dot dot inside", "out/sub/../c.svg", true},
      {"doubled slashes", "out//./d.svg", true},
      {"absolute", base + "/outside/e.svg", false},
      {"absolute inside", run + "/out/f.svg", false},
      {"home", "~/g.svg", false},
      {"beside the folder", "h.svg", false},
      {"climbing out", "out/../../outside/i.svg", false},
      {"through a folder link", "out/away/j.svg", false},
      {"dot dot after a link", "out/away/../k.svg", false},
      {"onto a file link", "out/far.svg", false},
  };
  std::string csv = "data,output\n";
  for (const Cell& cell : cells) csv += "9638507," + cell.cell + "\n";
  WriteFile(run + "/in.csv", csv);
  for (const bool any : {false, true}) {
    SCOPED_TRACE(any ? "-csvpaths any" : "default");
    std::vector<std::string> args = {"-type", "EAN-8", "-csv", "in.csv", "-action", "svgf", "-output", "out/#.svg"};
    if (any) args.insert(args.end(), {"-csvpaths", "any"});
    const auto result = RunKbc(args, {"HOME=" + base + "/outside"}, run);
    for (std::size_t i = 0; i < std::size(cells); ++i) {
      const Cell& cell = cells[i];
      const std::string row = "row " + std::to_string(i + 2) + ": ";
      const bool written = any || cell.written;
      EXPECT_EQ(result.err.find(row) == std::string::npos, written) << cell.name << "\n" << result.err;
      if (!written) {
        EXPECT_NE(result.err.find("-csvpaths any allows any path"), std::string::npos) << cell.name;
      }
    }
    EXPECT_EQ(result.status, any ? 0 : 1) << result.err;
    // Refused cells leave the outside untouched, the file behind a link included.
    if (!any) {
      EXPECT_EQ(ReadFile(base + "/outside/far.svg"), "precious");
    }
  }
  EXPECT_TRUE(fs::exists(base + "/outside/g.svg")) << "~ is HOME under -csvpaths any";
}

// The rule cannot be loosened by the file it rules, nor set to a word it does not know.
TEST(CsvOutputs, RuleIsTheCommandLinesOwn) {
  const std::string folder = FreshFolder("csv-rule");
  WriteFile(folder + "/in.csv", "data,csvpaths,output\n9638507,any,/tmp/x.svg\n");
  const auto column = RunKbc({"-type", "EAN-8", "-csv", "in.csv", "-action", "svgf"}, {}, folder);
  EXPECT_EQ(column.status, 2);
  EXPECT_NE(column.err.find("the column \"csvpaths\" cannot be used"), std::string::npos) << column.err;
  const auto word = RunKbc({"-type", "EAN-8", "-csv", "in.csv", "-csvpaths", "all", "-action", "svgf"}, {}, folder);
  EXPECT_EQ(word.status, 2);
  EXPECT_NE(word.err.find("-csvpaths all is no path rule"), std::string::npos) << word.err;
}

// Rows naming one file, however spelt: the first keeps it, every later one is
// refused by number before anything is drawn, on one worker or many.
TEST(CsvOutputs, DuplicateOutputsRefusedAfterTheFirst) {
  const std::string folder = FreshFolder("csv-duplicates");
  std::string csv = "data,output\n";
  for (int i = 0; i < 200; ++i) {
    const char* spellings[] = {"same.svg", "./same.svg", "sub/../same.svg", "other-#.svg"};
    csv += std::to_string(1000000 + i) + "," + spellings[i % 4] + "\n";
  }
  fs::create_directory(folder + "/sub");
  WriteFile(folder + "/in.csv", csv);
  for (const char* threads : {"1", "8"}) {
    SCOPED_TRACE(threads);
    fs::remove(folder + "/same.svg");
    const auto run =
        RunKbc({"-type", "EAN-8", "-csv", "in.csv", "-threads", threads, "-action", "svgf"}, test::kFixedDate, folder);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.find("KestrovaBarCode: row 3: the output \"same.svg\" is row 2's too; it was not written"), 0u)
        << run.err;
    std::size_t refusals = 0;
    for (std::size_t at = 0; (at = run.err.find("is row 2's too", at)) != std::string::npos; ++at) ++refusals;
    EXPECT_EQ(refusals, 149u);
    const auto first = RunKbc({"-type", "EAN-8", "-data", "1000000", "-action", "svgf", "-output", "first.svg"},
                              test::kFixedDate, folder);
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(ReadFile(folder + "/same.svg"), ReadFile(folder + "/first.svg"));
  }
}

}  // namespace
}  // namespace kbc
