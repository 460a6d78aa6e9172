// CSV mode: a thousand rows of mixed symbologies and actions, each file equal
// to the single run of its options; bad rows named by their spreadsheet row
// while the others are written; refusals of the whole file.
#include "cli/csv_batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/batch.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

using test::FreshFolder;
using test::ReadFile;
using test::RunKbc;
using test::WriteFile;

// A cell as a spreadsheet writes it: quoted when it holds a comma, quote or line break.
std::string Cell(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

struct Symbol {
  const char* type;
  std::string (*data)(std::size_t);
};

// Ten symbologies, each with data of its own that varies by row.
const Symbol kSymbols[] = {
    {"EAN-13", [](std::size_t i) { return std::to_string(590000000000 + i * 7919); }},
    {"EAN-8", [](std::size_t i) { return std::to_string(1000000 + i); }},
    {"UPC-A", [](std::size_t i) { return std::to_string(36000000000 + i); }},
    {"Code-128", [](std::size_t i) { return "Box \"A\", " + std::to_string(i); }},
    {"Code-39", [](std::size_t i) { return "ITEM-" + std::to_string(i); }},
    {"Interleaved-25", [](std::size_t i) { return std::to_string(1000000000 + i); }},
    {"ITF-14", [](std::size_t i) { return std::to_string(1234567000000 + i); }},
    {"QRCode", [](std::size_t i) { return "https://kestrova.example/p/" + std::to_string(i) + "\nline 2"; }},
    {"DataMatrix", [](std::size_t i) { return "Lot " + std::to_string(i); }},
    {"PDF417", [](std::size_t i) { return "Row " + std::to_string(i) + ", box 3"; }},
};
const char* const kActions[] = {"pngf", "svgf", "epsf"};
const char* const kColumns[] = {"type", "data", "action", "scale", "rotate", "output"};

struct Row {
  std::vector<std::string> cells;  // by kColumns
  std::string path;                // the file the CSV run writes
};

// Every file a CSV run writes equals the single run of the command line's
// options followed by the row's non-empty cells, byte for byte (written under
// the same file name, which EPS records as its title); all 1,000 are written.
TEST(Csv, ThousandRowsEachEqualToItsSingleRun) {
  const std::string folder = FreshFolder("csv");
  std::filesystem::create_directories(folder + "/single");
  const std::string pattern = folder + "/code-####";
  std::vector<Row> rows;
  std::string csv = "type,data,action,scale,rotate,output\r\n";
  for (std::size_t i = 0; i < 1000; ++i) {
    const Symbol& symbol = kSymbols[i % std::size(kSymbols)];
    const std::size_t number = i + 2;  // the header is row 1
    // Output cells are relative to the working folder, the run's folder here.
    const std::string own = i % 100 == 0 ? "own-" + std::to_string(number) : "";
    Row row{{symbol.type, symbol.data(i), kActions[i % std::size(kActions)], i % 7 == 0 ? "150" : "",
             i % 11 == 0 ? "90" : "", own},
            own.empty() ? BatchOutputPath(pattern, number) : folder + "/" + own};
    for (std::size_t c = 0; c < row.cells.size(); ++c) csv += (c ? "," : "") + Cell(row.cells[c]);
    csv += "\r\n";
    rows.push_back(std::move(row));
  }
  WriteFile(folder + "/rows.csv", csv);
  const auto run = RunKbc({"-trim", "10", "-csv", folder + "/rows.csv", "-threads", "2", "-output", pattern},
                          test::kFixedDate, folder);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  for (const Row& row : rows) EXPECT_TRUE(std::filesystem::exists(row.path)) << row.path;

  // Every row of a prefix that holds each symbology and action three times, then every 47th.
  for (std::size_t i = 0; i < rows.size(); i += i < 60 ? 1 : 47) {
    const Row& row = rows[i];
    const std::string single = folder + "/single/" + std::filesystem::path(row.path).filename().string();
    std::vector<std::string> args = {"-trim", "10"};
    for (std::size_t c = 0; c + 1 < std::size(kColumns); ++c) {
      if (!row.cells[c].empty()) args.insert(args.end(), {std::string("-") + kColumns[c], row.cells[c]});
    }
    args.insert(args.end(), {"-output", single});
    ASSERT_EQ(RunKbc(args, test::kFixedDate).status, 0) << row.cells[0] << " " << row.cells[1];
    EXPECT_TRUE(ReadFile(row.path) == ReadFile(single)) << "row " << i + 2 << ": " << row.cells[0] << " as "
                                                       << row.cells[2];
  }
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// A row that cannot be drawn gets its spreadsheet row number and reason, in
// row order whatever the number of workers; the other rows are written.
TEST(Csv, BadRowsNamedByNumberAndTheRestWritten) {
  const std::string folder = FreshFolder("csv-bad");
  WriteFile(folder + "/in.csv",
            "type,data,scale,rotate\n"
            "EAN-13,590123412345,,\n"            // row 2
            "EAN-13,abc,,\n"                     // row 3
            "EAN-13,590123412345\n"              // row 4
            "Ean13,590123412345,,\n"             // row 5
            "\n"                                 // row 6, blank
            "Code-128,\"say \"\"hi\"\"\",200,90\n"  // row 7
            "EAN-8,9638507,,45\n"                // row 8
            "EAN-8,\"9638507");                  // row 9
  const std::vector<std::string> expected = {
      "KestrovaBarCode: row 3: the data cannot be drawn as EAN-13",
      "KestrovaBarCode: row 4: the row has 2 cells where the header has 4; it was not read",
      "KestrovaBarCode: row 5: unknown -type \"Ean13\"; did you mean \"EAN-13\"?",
      "KestrovaBarCode: warning: row 7: -scale 200 is outside 50..150, so 150 is used",
      "KestrovaBarCode: row 8: -rotate 45 is no quarter turn",
      "KestrovaBarCode: row 9: a quoted cell is not closed before the end of the file; the row was not read",
  };
  for (const char* threads : {"1", "4"}) {
    SCOPED_TRACE(threads);
    const auto run = RunKbc({"-csv", folder + "/in.csv", "-threads", threads, "-action", "svgf", "-output",
                             folder + "/r-#.svg"});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.err);
    ASSERT_EQ(lines.size(), expected.size()) << run.err;
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(lines[i].starts_with(expected[i])) << lines[i];
    for (int row = 2; row <= 9; ++row) {
      const bool written = row == 2 || row == 7;
      EXPECT_EQ(std::filesystem::exists(folder + "/r-" + std::to_string(row) + ".svg"), written) << row;
    }
  }
}

// -strict 1, the command line's or a row's own, refuses each row that would
// warn; the other rows are still written.
TEST(Csv, StrictRefusesTheRowsThatWouldWarn) {
  const std::string folder = FreshFolder("csv-strict");
  WriteFile(folder + "/in.csv",
            "data,scale,strict\n"
            "590123412345,,\n"      // row 2
            "590123412345,200,\n"   // row 3: warns
            "590123412345,200,1\n"  // row 4: refused by its own cell
            "5901234123458,,1\n");  // row 5: a wrong check digit, refused
  for (const bool strict : {false, true}) {
    SCOPED_TRACE(strict);
    const std::string pattern = folder + (strict ? "/s-#.svg" : "/r-#.svg");
    std::vector<std::string> args = {"-type", "EAN-13", "-csv", folder + "/in.csv", "-action", "svgf", "-output",
                                     pattern};
    if (strict) args.insert(args.end(), {"-strict", "1"});
    const auto run = RunKbc(args);
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.err);
    ASSERT_EQ(lines.size(), 3u) << run.err;
    EXPECT_EQ(lines[0], std::string(strict ? "KestrovaBarCode: row 3: " : "KestrovaBarCode: warning: row 3: ") +
                            "-scale 200 is outside 50..150, so 150 is used");
    EXPECT_EQ(lines[1], "KestrovaBarCode: row 4: -scale 200 is outside 50..150, so 150 is used");
    EXPECT_TRUE(lines[2].starts_with("KestrovaBarCode: row 5: EAN-13 data \"5901234123458\": replaced")) << lines[2];
    for (int row = 2; row <= 5; ++row) {
      const bool written = row == 2 || (row == 3 && !strict);
      EXPECT_EQ(std::filesystem::exists(BatchOutputPath(pattern, row)), written) << row;
    }
  }
}

struct Refusal {
  const char* name;
  std::string csv;
  std::vector<std::string> options;  // after -csv FILE
  int status;
  std::string message;
};

// The whole file is refused, with one message, when no row could be drawn as
// asked, or when -csv is combined with what takes one barcode.
TEST(Csv, WholeFileRefusals) {
  const std::string folder = FreshFolder("csv-refused");
  const std::string svg = folder + "/x.svg";
  const Refusal refusals[] = {
      {"unknown column", "type,dat\nEAN-13,1\n", {"-action", "svgf", "-output", svg}, 2,
       "unknown column \"dat\" (column 2 of the header); did you mean \"data\"?"},
      {"column batch", "batch,data\nx,1\n", {"-action", "svgf", "-output", svg}, 2,
       "the column \"batch\" cannot be used: each row is one request"},
      {"with -batch", "data\n1\n", {"-batch", "-", "-action", "svgf", "-output", svg}, 2,
       "-csv cannot be used with -batch"},
      {"standard output", "data\n1\n", {"-action", "svgf", "-output", "-"}, 2, "-output - cannot be used with -csv"},
      {"clipboard", "data\n1\n", {"-action", "clip"}, 2, "-action clip cannot be used with -csv"},
      {"no output", "data\n1\n", {"-action", "svgf"}, 1, "has no output column"},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.name);
    WriteFile(folder + "/in.csv", refusal.csv);
    std::vector<std::string> args = {"-csv", folder + "/in.csv"};
    args.insert(args.end(), refusal.options.begin(), refusal.options.end());
    const auto run = RunKbc(args);
    EXPECT_EQ(run.status, refusal.status);
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(refusal.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(svg));
  }
}

// -csv FILE alone is a request; a row's output cell naming the CSV file is
// refused; "-" reads standard input.
TEST(Csv, AloneOwnFileAndStandardInput) {
  const std::string folder = FreshFolder("csv-alone");
  const std::string input = folder + "/in.csv";
  const std::string contents = "type,data,action,output\nEAN-8,9638507,svgf,alone.svg\nEAN-8,9638507,svgf,in.csv\n";
  WriteFile(input, contents);
  const auto alone = RunKbc({"-csv", input}, {}, folder);
  EXPECT_EQ(alone.status, 1);
  EXPECT_EQ(alone.err, "KestrovaBarCode: row 3: \"in.csv\" is the CSV file itself; it was not overwritten\n");
  EXPECT_TRUE(std::filesystem::exists(folder + "/alone.svg"));
  EXPECT_EQ(ReadFile(input), contents);

  const auto piped = test::RunProgram({"sh", "-c", std::string("printf 'data\\n9638507\\n' | ") + KBC_EXECUTABLE +
                                                       " -type EAN-8 -csv - -action svgf -output " + folder +
                                                       "/piped.svg"});
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_TRUE(std::filesystem::exists(folder + "/piped-2.svg"));
}

}  // namespace
}  // namespace kbc
