// PDF417, Data Matrix and CIP files from the command line read back by an
// independent decoder, byte for byte; golden files; CIP as Data Matrix.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

using test::ReadFile;

struct RoundTrip {
  const char* type;
  std::string data;      // argument bytes as given on the command line
  std::string expected;  // bytes the symbol must carry
};

std::string Repeat(const std::string& piece, std::size_t length) {
  std::string text;
  while (text.size() < length) text += piece;
  return text.substr(0, length);
}

const std::string kPunctuation = ";<>@[]_`~!,:-.$/\"|*()?{}'&#+%=^";
const std::string kHighBytes = [] {
  std::string bytes;
  for (int b = 0x80; b <= 0xFF; ++b) bytes.push_back(char(b));
  return bytes;
}();
const std::string kLongText = Repeat("The quick brown fox, 12 jumps! Over: THE lazy dog? ", 1000);

const RoundTrip kCases[] = {
    {"PDF417", "Line\\none\\ttab\\r\\nend", "Line\none\ttab\r\nend"},
    {"PDF417", kPunctuation, kPunctuation},
    {"PDF417", "a\x01\x1B\x1F" "b\x7F caf\xC3\xA9 ab\x80" "cd", "a\x01\x1B\x1F" "b\x7F caf\xC3\xA9 ab\x80" "cd"},
    {"PDF417", kHighBytes, kHighBytes},                      // byte compaction, 901
    {"PDF417", std::string(1850, '8'), std::string(1850, '8')},  // the longest data, numeric
    {"DataMatrix", "\x01\x1F\x7F" + kHighBytes, "\x01\x1F\x7F" + kHighBytes},
    {"DataMatrix", kLongText.substr(0, 1304), kLongText.substr(0, 1304)},  // 132 × 132
    {"CIP", "3400935955838", "3400935955838"},
};

// Checked by hand: image size, and every module rectangle against the symbol's
// rows (Data Matrix 123456: rows 1010101010, 1100101101, ... 1111111111 at 3 × 3
// units from the top; PDF417 A: 10 rows of start, indicators, codeword 29 and
// stop at 1 × 2 units), with the SVG y flip.
const test::GoldenCase kGoldenCases[] = {
    {"datamatrix_123456", {"-type", "DataMatrix", "-data", "123456"}},
    {"pdf417_A", {"-type", "PDF417", "-data", "A"}},
};

TEST(Pdf417DataMatrixGoldenFiles, EpsAndSvgMatchTheReviewedFiles) { test::ExpectGoldenFiles(kGoldenCases); }

// Vector files are rasterised on white; every image gets a white border (Data
// Matrix and PDF417 symbols carry no quiet zone of their own).
TEST(Pdf417DataMatrixRoundTrip, EveryFileReadByteForByte) {
  for (const RoundTrip& c : kCases) {
    const bool pdf417 = std::string(c.type) == "PDF417";
    for (const std::string action : {"svgf", "pngf", "epsf", "pdff"}) {
      SCOPED_TRACE(std::string(c.type) + " " + c.data.substr(0, 20) + " " + action);
      std::string png = test::WriteAndRasterise({"-type", c.type, "-data", c.data}, action);
      if (action != "pngf") png = test::EnlargeBitmap(png, 100);
      const auto zxing = test::ZxingRead(png);
      ASSERT_EQ(zxing.size(), 1u) << test::Describe(zxing);
      EXPECT_EQ(zxing[0].format, pdf417 ? "PDF417" : "DataMatrix");
      EXPECT_EQ(zxing[0].bytes, c.expected);
    }
  }
}

// CIP is the Data Matrix symbol of the same data, and has no GS1 mode: under
// -gs1 1 it draws what it draws without it (an element string included).
TEST(Pdf417DataMatrixDocuments, CipEqualsDataMatrix) {
  for (const char* data : {"3400935955838 caf\xE9", "(01)09501101530003(10)ABC"}) {
    std::vector<std::string> bodies;
    for (const auto& [type, gs1] : {std::pair{"CIP", "0"}, std::pair{"CIP", "1"}, std::pair{"DataMatrix", "0"}}) {
      const std::string path = test::TempDir() + "/" + type + gs1 + ".svg";
      const std::vector<std::string> args = {"-type", type, "-data", data, "-gs1", gs1};
      ASSERT_EQ(test::RunKbc(test::WithOutput(args, "svgf", path)).status, 0);
      bodies.push_back(ReadFile(path));
    }
    EXPECT_EQ(bodies[0], bodies[1]) << data;
    EXPECT_EQ(bodies[0].substr(bodies[0].find("<path")), bodies[2].substr(bodies[2].find("<path"))) << data;
  }
}

}  // namespace
}  // namespace kbc
