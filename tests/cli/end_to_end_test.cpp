// The built executable: usage text, standard streams and exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/process.h"

namespace kbc {
namespace {

// The usage listing written out line by line, independently of the program's table.
const char* const kUsageLines[] = {
    "NAME:",
    "KestrovaBarCode v3.7.0 CLI -- Creates barcode images from the Command Line.",
    "",
    "SYNOPSIS:",
    "KestrovaBarCode [-parameter1] [value1] [-parameter2] [value2] [...]",
    "",
    "DESCRIPTION:",
    "The KestrovaBarCode utility creates barcode images as image files or onto the clipboard based on parameters "
    "entered:",
    "",
    "PARAMETERS:",
    "-action",
    "Specify result as \"clip\" for clipboard, or for graphic file format of \"epsf\", \"jpeg\", \"pdff\", "
    "\"pngf\", \"svgf\", or \"tiff\".",
    "",
    "-type",
    "Barcode symbology to use. Valid values are EAN-13, EAN-8, EAN-128, EAN-14, EAN-18, EAN-99, EAN-Coupon, "
    "EAN-Velocity UPC-A, UPC-E, Code-128, Code-93, Code-39, Code-32, Code-25, UPC-Coupon, Codabar, ISSN, ISBN, "
    "ISMN, PostNet, RM4SCC, Pharmacode, CIP, PZN, MSI, ITF-SCC, ITF-14, Interleaved-25, QRCode, MicroQR, PDF417, "
    "Identcode, DataMatrix, USPS4CB, FIM, Databar-Omnidirectional, Databar-Truncated, Databar-Stacked, "
    "Databar-StackedOmnidirectional, Databar-Limited, Databar-Expanded, Telepen.",
    "",
    "-data",
    "Primary main barcode data.",
    "",
    "-addon",
    "Secondary addon barcode data.",
    "",
    "-scale",
    "Scaling factor as a percentage where 100 is standard.",
    "",
    "-trim",
    "Trim level to reduce height where 0 is standard.",
    "",
    "-disp",
    "Override displayed text.",
    "",
    "-antialiasoff",
    "Disable Anti-Aliasing of graphic image where 1 is to disable.",
    "",
    "-fontsmoothoff",
    "Disable smoothening of text where 1 is to disable.",
    "",
    "-fontname",
    "Set name of displayed font.",
    "",
    "-fontsize",
    "Set size of displayed font.",
    "",
    "-colmode",
    "Set Colour Mode where 0 is Greyscale, 1 is RGB, or 2 is CMYK.",
    "",
    "-fcolcomponent1",
    "Set Foreground Colour Component 1 where Level (0-1) of Grey in Greyscale, Red in RGB, or Cyan in CMYK.",
    "",
    "-fcolcomponent2",
    "Set Foreground Colour Component 2 where Level (0-1) of N/A in Greyscale, Green in RGB, or Magenta in CMYK.",
    "",
    "-fcolcomponent3",
    "Set Foreground Colour Component 3 where Level (0-1) of N/A in Greyscale, Blue in RGB, or Yellow in CMYK.",
    "",
    "-fcolcomponent4",
    "Set Foreground Colour Component 4 where Level (0-1) of N/A in Greyscale, N/A in RGB, or Black in CMYK.",
    "",
    "-fcolcomponent5",
    "Set Foreground Colour Component 5 where Level (0-1) of N/A in Greyscale, N/A in RGB, or N/A in CMYK.",
    "",
    "-bcolcomponent1",
    "Set Background Colour Component 1 where Level (0-1) of Grey in Greyscale, Red in RGB, or Cyan in CMYK.",
    "",
    "-bcolcomponent2",
    "Set Background Colour Component 2 where Level (0-1) of N/A in Greyscale, Green in RGB, or Magenta in CMYK.",
    "",
    "-bcolcomponent3",
    "Set Background Colour Component 3 where Level (0-1) of N/A in Greyscale, Blue in RGB, or Yellow in CMYK.",
    "",
    "-bcolcomponent4",
    "Set Background Colour Component 4 where Level (0-1) of N/A in Greyscale, N/A in RGB, or Black in CMYK.",
    "",
    "-bcolcomponent5",
    "Set Background Colour Component 5 where Level (0-1) of N/A in Greyscale, N/A in RGB, or N/A in CMYK.",
    "",
    "-coltrans",
    "Set Colour Transparency where 0 is transparent background and 1 is selected colour background.",
    "",
    "-output",
    "Output file path and name for graphic image file",
    "",
    "AUTHOR:",
    "Copyright (c) 2026 Kestrova",
    "https://kestrova.example/barcode",
    "",
};

std::string ExpectedUsage() {
  std::string text;
  for (const char* line : kUsageLines) text.append(line).append("\n");
  return text;
}

bool IsOneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && std::ranges::count(text, '\n') == 1;
}

TEST(EndToEnd, NoArgumentsPrintTheUsageAndSucceed) {
  const auto run = test::RunKbc({});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, ExpectedUsage());
  EXPECT_EQ(run.err, "");
}

struct IncompleteRow {
  const char* why;
  std::vector<std::string> args;
  std::string namedOnStderr;  // a word the error line must contain
};

TEST(EndToEnd, IncompleteArgumentsPrintTheUsageAndExit2) {
  const IncompleteRow rows[] = {
      {"unknown -type", {"-type", "EAN13", "-action", "svgf", "-data", "123"}, "EAN13"},
      {"-type in lower case", {"-type", "ean-13", "-action", "svgf", "-data", "123"}, "ean-13"},
      {"missing -action", {"-type", "EAN-13", "-data", "590123412345"}, "-action"},
      {"unknown -action", {"-action", "svg", "-data", "590123412345"}, "svg"},
      {"an invalid -action clears a valid one", {"-action", "tiff", "-action", "word", "-data", "1"}, "word"},
      {"empty -data", {"-action", "svgf", "-data", "", "-output", "x.svg"}, "-data"},
      {"no -data", {"-action", "svgf", "-output", "x.svg"}, "-data"},
      {"three arguments leave -data without value", {"-action", "clip", "-data"}, "-data"},
      {"two arguments scan nothing", {"-action", "clip"}, "-action"},
      {"one argument", {"-data"}, "-action"},
  };
  for (const IncompleteRow& row : rows) {
    SCOPED_TRACE(row.why);
    const auto run = test::RunKbc(row.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, ExpectedUsage());
    EXPECT_TRUE(IsOneLine(run.err)) << run.err;
    EXPECT_NE(run.err.find(row.namedOnStderr), std::string::npos) << run.err;
  }
}

struct NotProducedRow {
  const char* why;
  std::vector<std::string> args;
  std::string namedOnStderr;
};

// Requests that stay impossible whatever writers exist: nothing on stdout, one
// line on stderr, status 1.
TEST(EndToEnd, CompleteRequestsThatCannotBeProducedExit1) {
  const std::string missingDir = test::TempDir() + "/no-such-folder/code.svg";
  const std::string rm4scc = test::TempDir() + "/short.svg";
  const NotProducedRow rows[] = {
      {"file action without -output", {"-action", "svgf", "-data", "590123412345"}, "-output"},
      {"bitmap action without -output", {"-type", "Code-128", "-action", "pngf", "-data", "ABC"}, "-output"},
      {"folder of the output does not exist",
       {"-action", "epsf", "-data", "590123412345", "-output", missingDir},
       ""},
      {"RM4SCC of 6 characters cannot be drawn",
       {"-type", "RM4SCC", "-action", "svgf", "-data", "SN34RD", "-output", rm4scc},
       ""},
      {"letters only for EAN-13 are shaped away",
       {"-type", "EAN-13", "-action", "svgf", "-data", "abc", "-output", test::TempDir() + "/letters.svg"},
       ""},
  };
  for (const NotProducedRow& row : rows) {
    SCOPED_TRACE(row.why);
    const auto run = test::RunKbc(row.args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(IsOneLine(run.err)) << run.err;
    EXPECT_NE(run.err.find(row.namedOnStderr), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace kbc
