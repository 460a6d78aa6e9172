// -showtext 0: bars without the human-readable text, on every target; the
// symbologies that leave room for the text lose it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc::test {
namespace {

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST(ShowText, NoTextOnAnyVectorTarget) {
  const struct {
    std::vector<std::string> symbol;
    std::string boundingBox;  // of the EPS without text
  } rows[] = {
      {{"-type", "EAN-13", "-data", "590123412345", "-addon", "12"}, "0 0 138.0000 80.0000"},
      {{"-type", "Code-39", "-data", "AB", "-disp", "shown?"}, "0 0 63.0000 48.0000"},
      // MSI draws its bars lower by the text line's 13 units, Pharmacode as
      // narrow as its bars.
      {{"-type", "MSI", "-data", "1234567"}, "0 0 103.0000 35.0000"},
      {{"-type", "Pharmacode", "-data", "1234"}, "0 0 38.0000 12.0000"},
  };
  for (const auto& row : rows) {
    const std::string eps = ReadFile(WriteSymbol("plain.eps", "epsf", {"-showtext", "0"}, row.symbol));
    const std::string svg = ReadFile(WriteSymbol("plain.svg", "svgf", {"-showtext", "0"}, row.symbol));
    // The prolog defines the text procedures; nothing calls them.
    EXPECT_EQ(Count(eps, "QZdrawchar"), 1u) << row.symbol[1];
    EXPECT_EQ(Count(eps, "QZsetfont"), 1u) << row.symbol[1];
    EXPECT_NE(eps.find("%%BoundingBox: " + row.boundingBox + "\n"), std::string::npos) << row.symbol[1];
    EXPECT_EQ(Count(svg, "<text"), 0u) << row.symbol[1];
    // Any other value draws the text, as without the option.
    EXPECT_EQ(ReadFile(WriteSymbol("shown.svg", "svgf", {"-showtext", "1"}, row.symbol)),
              ReadFile(WriteSymbol("default.svg", "svgf", {}, row.symbol)))
        << row.symbol[1];
  }
}

// The bitmap and PDF without text still scan, and hold no glyph pixels below the bars.
TEST(ShowText, BitmapsAndPdfStillScan) {
  for (const std::string action : {"pngf", "pdff"}) {
    const std::string path = WriteSymbol("plain." + action, action, {"-showtext", "0"});
    const std::string image = Rasterise(path);
    const auto read = ZxingRead(image);
    ASSERT_EQ(read.size(), 1u) << action << ": " << Describe(read);
    EXPECT_EQ(read[0].text, "5901234123457") << action;
  }
}

}  // namespace
}  // namespace kbc::test
