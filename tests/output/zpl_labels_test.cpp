// ZPL labels read back by an independent reader (tests/support/zpl_reader.py:
// Python's base64 and zlib, the CRC and ^GF's counts checked), the rebuilt
// label compared with the PNG of the same request and scanned.
#include <gtest/gtest.h>

#include <ostream>

#include <sstream>
#include <string>
#include <vector>

#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"
#include "support/raw_pixels.h"

namespace kbc::test {
namespace {

using Args = std::vector<std::string>;

// The reader's line per label ("N WIDTH HEIGHT COPIES ENCODING"), its
// rebuilt labels left as folder/label-N.pgm.
std::vector<std::string> ReadLabels(const std::string& zpl, const std::string& folder) {
  const ProcessResult read = RunProgram({"/usr/bin/python3", KBC_ZPL_READER, zpl, folder});
  EXPECT_EQ(read.status, 0) << read.err;
  std::vector<std::string> labels;
  std::istringstream lines(read.out);
  for (std::string line; std::getline(lines, line);) labels.push_back(line);
  return labels;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A dot prints where the PNG is darker than half.
std::vector<std::uint8_t> Thresholded(const RawImage& image) {
  std::vector<std::uint8_t> dots;
  for (const std::uint8_t grey : image.bytes) dots.push_back(grey < 128 ? 0 : 255);
  return dots;
}

struct LabelCase {
  Args symbol;
  std::string text;  // what ZXingReader reports; empty where no decoder reads the symbology
  std::vector<std::string> readerOptions = {};
};

const LabelCase kCases[] = {
    {{"-type", "EAN-13", "-data", "590123412345"}, "5901234123457"},
    {{"-type", "Code-128", "-data", "Label 42", "-margin", "5"}, "Label 42"},
    {{"-type", "QRCode", "-data", "https://example.com/label", "-margin", "3"}, "https://example.com/label"},
    {{"-type", "DataMatrix", "-data", "Lot 7/42", "-margin", "4"}, "Lot 7/42"},
    {{"-type", "PDF417", "-data", "Lot 7/42", "-margin", "2"}, "Lot 7/42"},
    {{"-type", "Databar-Expanded", "-data", "01988987654321063103001234", "-margin", "2"},
     "(01)98898765432106(3103)001234"},
    {{"-type", "USPS4CB", "-data", "01234567094987654321", "-margin", "2"}, ""},
};

// gtest shows a case by its name instead of dumping the record's bytes.
void PrintTo(const LabelCase& c, std::ostream* out) { *out << c.symbol[1]; }

class ZplLabels : public testing::TestWithParam<LabelCase> {};

// At each printer resolution, upright and turned: the label is the PNG's
// bitmap dot for dot, and the rebuilt label scans.
TEST_P(ZplLabels, EqualThePngAndScan) {
  const LabelCase& label = GetParam();
  for (const auto& [dpi, rotate] : {std::pair{"203", "0"}, {"203", "90"}, {"300", "0"}, {"300", "90"}, {"600", "0"}}) {
    const std::string where = std::string(dpi) + " dpi, rotate " + rotate;
    const Args options = {"-dpi", dpi, "-rotate", rotate};
    const std::string folder = FreshFolder("zpl");
    const std::string zpl = WriteSymbol("label.zpl", "zplf", options, label.symbol);
    const std::string png = WriteSymbol("label.png", "pngf", options, label.symbol);
    ASSERT_EQ(ReadLabels(zpl, folder).size(), 1u) << where;
    const RawImage rebuilt = ReadPixels(folder + "/label-1.pgm", "gray");
    const RawImage drawn = ReadPixels(png, "gray");
    ASSERT_EQ(rebuilt.width, drawn.width) << where;
    ASSERT_EQ(rebuilt.height, drawn.height) << where;
    EXPECT_EQ(rebuilt.bytes, Thresholded(drawn)) << where;
    if (label.text.empty()) continue;
    const auto read = ZxingRead(EnlargeBitmap(folder + "/label-1.pgm", 100), label.readerOptions);
    ASSERT_EQ(read.size(), 1u) << where << ": " << Describe(read);
    EXPECT_EQ(read[0].text, label.text) << where;
  }
}

INSTANTIATE_TEST_SUITE_P(Symbologies, ZplLabels, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LabelCase>& info) {
                           std::string name = info.param.symbol[1];
                           std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                           return name;
                         });

// The hexadecimal field rebuilds the same label as the compressed one.
TEST(ZplLabels, HexEqualsZ64) {
  const Args qr = {"-type", "QRCode", "-data", "Lot 7", "-margin", "2"};
  const std::string z64 = FreshFolder("z64");
  const std::string hex = FreshFolder("hex");
  EXPECT_EQ(ReadLabels(WriteSymbol("z.zpl", "zplf", {}, qr), z64), Lines("1 243 243 - z64"));
  EXPECT_EQ(ReadLabels(WriteSymbol("h.zpl", "zplf", {"-zplhex", "1"}, qr), hex), Lines("1 243 243 - hex"));
  EXPECT_EQ(ReadFile(z64 + "/label-1.pgm"), ReadFile(hex + "/label-1.pgm"));
}

// Two labels checked by hand against the ZPL II reference: ^PW and ^LL the
// image in dots, ^FO the margin, ^GFA's counts the unpacked bytes and the
// bytes of a row, ^PQ the copies.
TEST(ZplLabels, GoldenFiles) {
  const std::vector<std::pair<std::string, Args>> cases = {
      {"code128_AB_203dpi_hex_margin2.zpl",
       {"-type", "Code-128", "-data", "AB", "-showtext", "0", "-trim", "60", "-margin", "2", "-zplhex", "1"}},
      {"qrcode_A_300dpi_copies3.zpl", {"-type", "QRCode", "-data", "A", "-dpi", "300", "-copies", "3"}},
  };
  for (const auto& [name, args] : cases) {
    const std::string path = TempDir() + "/" + name;
    const ProcessResult run = RunKbc(WithOutput(args, "zplf", path));
    ASSERT_EQ(run.status, 0) << name << ": " << run.err;
    const std::string golden = std::string(KBC_GOLDEN_DIR) + "/" + name;
    if (std::getenv("KBC_REGENERATE_GOLDEN") != nullptr) WriteFile(golden, ReadFile(path));
    EXPECT_EQ(ReadFile(path), ReadFile(golden)) << name;
  }
}

// A batch to one file: one label per good line in input order, each the
// bytes of its own run, with its copies; the refused line reported by number.
TEST(ZplStreams, BatchGivesOneLabelPerGoodLine) {
  const std::string folder = FreshFolder("batch");
  const std::vector<std::string> data = {"590123412345", "400638133393", "not digits", "978020137962"};
  std::string lines;
  for (const std::string& line : data) lines += line + "\n";
  WriteFile(folder + "/numbers.txt", lines);
  const Args common = {"-type", "EAN-13", "-copies", "2", "-threads", "3"};
  Args batch = WithOutput(common, "zplf", folder + "/labels.zpl");
  batch.insert(batch.end(), {"-batch", folder + "/numbers.txt"});
  const ProcessResult run = RunKbc(batch);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("line 3: "), std::string::npos) << run.err;
  const std::vector<std::string> labels = Lines(ReadFile(folder + "/labels.zpl"));
  ASSERT_EQ(labels.size(), 3u);
  for (const auto& [index, line] : {std::pair{0, 0}, {1, 1}, {2, 3}}) {
    Args single = WithOutput(common, "zplf", folder + "/single.zpl");
    single.insert(single.end(), {"-data", data[std::size_t(line)]});
    ASSERT_EQ(RunKbc(single).status, 0);
    EXPECT_EQ(labels[std::size_t(index)] + "\n", ReadFile(folder + "/single.zpl")) << "line " << line + 1;
  }
  EXPECT_EQ(ReadLabels(folder + "/labels.zpl", folder).size(), 3u);
  EXPECT_NE(labels[0].find("^PQ2^XZ"), std::string::npos);
  // Standard output carries the same stream.
  batch.back() = folder + "/numbers.txt";
  *std::find(batch.begin(), batch.end(), folder + "/labels.zpl") = "-";
  EXPECT_EQ(RunKbc(batch).out, ReadFile(folder + "/labels.zpl"));
}

// 1,000 CSV rows make 1,000 labels in row order; a bad row is left out and named.
TEST(ZplStreams, ThousandRowCsv) {
  const std::string folder = FreshFolder("csv");
  std::string csv = "type,data\n";
  for (int row = 2; row <= 1001; ++row) csv += "Code-128,Box " + std::to_string(row) + "\n";
  csv += "EAN-13,letters\n";
  WriteFile(folder + "/rows.csv", csv);
  const ProcessResult run = RunKbc({"-csv", folder + "/rows.csv", "-action", "zplf", "-output", folder + "/all.zpl"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("row 1002: "), std::string::npos) << run.err;
  const std::vector<std::string> labels = Lines(ReadFile(folder + "/all.zpl"));
  ASSERT_EQ(labels.size(), 1000u);
  for (const int row : {2, 500, 1001}) {
    const std::string single = folder + "/single.zpl";
    ASSERT_EQ(RunKbc({"-type", "Code-128", "-data", "Box " + std::to_string(row), "-action", "zplf", "-output", single})
                  .status,
              0);
    EXPECT_EQ(labels[std::size_t(row - 2)] + "\n", ReadFile(single)) << "row " << row;
  }
}

struct Refused {
  std::string name;
  Args args;
  int status;
  std::string message;
};

TEST(ZplStreams, Refusals) {
  const std::string folder = FreshFolder("refused");
  WriteFile(folder + "/rows.csv", "data,dpi,output\n12345,250,\n12345,,own.zpl\n12345,,\n");
  WriteFile(folder + "/info.csv", "data,action\n12345,info\n");
  const Refused cases[] = {
      // A stream's output holds labels only: no JSON line joins it.
      {"a CSV row that prints", {"-type", "QRCode", "-csv", folder + "/info.csv"}, 1,
       "row 2: -action info cannot be drawn into a stream"},
      {"dpi of no label printer", {"-type", "QRCode", "-data", "A", "-dpi", "250"}, 2,
       "-dpi 250 is no label printer's resolution"},
      {"a CSV row's dpi", {"-type", "QRCode", "-csv", folder + "/rows.csv", "-csvpaths", "any"}, 1, "row 2: -dpi 250"},
      {"a CSV row's own file", {"-type", "QRCode", "-csv", folder + "/rows.csv", "-csvpaths", "any"}, 1,
       "row 3: a row cannot name its own output"},
  };
  for (const Refused& refused : cases) {
    const ProcessResult run = RunKbc(WithOutput(refused.args, "zplf", folder + "/out.zpl"));
    EXPECT_EQ(run.status, refused.status) << refused.name << ": " << run.err;
    EXPECT_NE(run.err.find(refused.message), std::string::npos) << refused.name << ": " << run.err;
  }
  // The CSV's good row is the stream's one label.
  EXPECT_EQ(Lines(ReadFile(folder + "/out.zpl")).size(), 1u);
}

}  // namespace
}  // namespace kbc::test
