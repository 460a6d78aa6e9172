// The manual page: it formats without a warning, and it documents every option
// of the usage text and every symbology of the table, so a new row or option
// that the page misses fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/usage.h"
#include "core/string_ops.h"
#include "core/symbology.h"
#include "support/process.h"

namespace kbc::test {
namespace {

// Hyphens as the page writes them in names and options.
std::string AsRoff(std::string_view text) {
  std::string roff;
  for (const char c : text) roff += c == '-' ? std::string("\\-") : std::string(1, c);
  return roff;
}

std::string Section(const std::string& page, const std::string& heading) {
  const std::size_t start = page.find("\n.SH " + heading + "\n");
  if (start == std::string::npos) return {};
  const std::size_t end = page.find("\n.SH ", start + 1);
  return page.substr(start, end - start);
}

TEST(ManualPage, FormatsWithoutWarnings) {
  const ProcessResult run = RunProgram({"groff", "-man", "-Tutf8", "-ww", "-z", KBC_MANUAL_PAGE});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
}

TEST(ManualPage, DocumentsEveryOptionAndSymbology) {
  const std::string page = ReadFile(KBC_MANUAL_PAGE);
  const std::string options = Section(page, "OPTIONS");
  std::istringstream usage(UsageText());
  for (std::string line; std::getline(usage, line);) {
    if (!line.starts_with('-')) continue;
    // The five components of a colour share one entry, "-fcolcomponent1 .. -fcolcomponent5".
    const bool component = line.find("colcomponent") != std::string::npos;
    const std::string entry = component ? ".BI " + AsRoff(line.substr(0, line.size() - 1)) : ".BI " + AsRoff(line);
    EXPECT_NE(options.find(entry), std::string::npos) << line;
  }
  EXPECT_NE(options.find(".BI \\-dpi"), std::string::npos);

  const std::string symbologies = Section(page, "SYMBOLOGIES");
  for (SymbologyType code = 1; code <= kSymbologyCount; ++code) {
    const std::string name = AsRoff(kSymbologies[code].name);
    // A name stands alone on a .B line or between the quotes of a .BR list.
    const bool listed = symbologies.find(".B " + name + "\n") != std::string::npos ||
                        symbologies.find(".BR " + name + " ") != std::string::npos ||
                        symbologies.find("\" " + name + " ") != std::string::npos ||
                        symbologies.find("\" " + name + "\n") != std::string::npos;
    EXPECT_TRUE(listed) << kSymbologies[code].name;
  }
  for (const char* heading : {"EXIT STATUS", "ENVIRONMENT", "FILES", "EXAMPLES"}) {
    EXPECT_FALSE(Section(page, heading).empty()) << heading;
  }
  EXPECT_NE(Section(page, "ENVIRONMENT").find("SOURCE_DATE_EPOCH"), std::string::npos);
  EXPECT_NE(Section(page, "ENVIRONMENT").find("XDG_CONFIG_HOME"), std::string::npos);
}

// Each option's entry is a paragraph of its own, and its example, as the
// formatted page shows it, runs without a message: quotes the page loses
// leave a word that belongs to no option, which warns.
TEST(ManualPage, OptionEntriesStandApartAndTheirExamplesRun) {
  const std::string options = Section(ReadFile(KBC_MANUAL_PAGE), "OPTIONS");
  const std::string folder = FreshFolder("manual-options");
  std::istringstream lines(options);
  std::string previous;
  bool example = false;
  int examples = 0;
  for (std::string line; std::getline(lines, line); previous = line) {
    if (line.starts_with(".BI \\-")) {
      EXPECT_EQ(previous, ".TP") << line;
    }
    if (example) {
      SCOPED_TRACE(line);
      const ProcessResult shown =
          RunProgram({"sh", "-c", "printf '.ll 30i\\n%s\\n' \"$0\" | groff -Tascii -P-cbou", line});
      const std::string command = shown.out.substr(0, shown.out.find('\n'));
      const ProcessResult run = RunProgram({"sh", "-c", "cd \"$0\" && \"$1\" " + command, folder, KBC_EXECUTABLE});
      EXPECT_EQ(run.status, 0) << command;
      EXPECT_EQ(run.err, "") << command;
      ++examples;
    }
    example = line == "Example:";
  }
  EXPECT_GE(examples, 5);
}

// Every example runs as written (in a folder holding the batch and CSV examples' files)
// and writes its file without a message.
TEST(ManualPage, ExamplesRunAsWritten) {
  const std::string page = ReadFile(KBC_MANUAL_PAGE);
  const std::string folder = TempDir() + "/manual";
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/parcels.txt") << "PARCEL 1\nPARCEL 2\n";
  std::ofstream(folder + "/labels.csv") << "type,data\nEAN-13,590123412345\nQRCode,\"Lot 7, shelf 3\"\n";
  int examples = 0;
  for (std::size_t open = page.find(".EX\n"); open != std::string::npos; open = page.find(".EX\n", open + 1)) {
    std::string command = page.substr(open + 4, page.find(".EE\n", open) - open - 4);
    ReplaceAll(command, "\\e\n", " ");
    ReplaceAll(command, "\\-", "-");
    ReplaceAll(command, "\\e", "\\");
    ASSERT_TRUE(command.starts_with("KestrovaBarCode ")) << command;
    SCOPED_TRACE(command);
    command.replace(0, std::string("KestrovaBarCode").size(), KBC_EXECUTABLE);
    const ProcessResult run = RunProgram({"sh", "-c", "cd \"$0\" && " + command, folder});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    ++examples;
  }
  EXPECT_GE(examples, 5);
  for (const char* file : {"code.svg", "upc.pdf", "hello.tif", "qr.png", "label.png", "parcel-002.png", "label-3.svg"}) {
    EXPECT_TRUE(std::filesystem::exists(folder + "/" + file)) << file;
  }
}

}  // namespace
}  // namespace kbc::test
