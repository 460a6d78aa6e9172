// -eclevel, -qrversion, -eci and -dmsize end to end (the added types' sizes
// are read back in tests/matrix/added_symbol_options_test.cpp): ZXingReader reads each
// symbol back and reports the level, the ECI and the data; the documents give
// the size; data a size cannot hold and values that name nothing are refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/decoders.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

const std::string kCreme = "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e";

struct ReadBack {
  const char* name;
  std::vector<std::string> args;
  std::string bytes;       // as the symbol carries them
  std::string ecLevel;     // "" where the symbology reports none
  bool hasEci;
  std::string viewBox;     // the SVG's size: the symbol asked for, with its quiet zone
};

const ReadBack kReadBacks[] = {
    {"QR level L, the default", {"-type", "QRCode", "-data", "Level test"}, "Level test", "L", false,
     "0 0 87.00 87.00"},
    {"QR level M", {"-type", "QRCode", "-data", "Level test", "-eclevel", "M"}, "Level test", "M", false, ""},
    {"QR level Q", {"-type", "QRCode", "-data", "Level test", "-eclevel", "q"}, "Level test", "Q", false, ""},
    // 11 bytes outgrow version 1-H (7 bytes), so H also shows the version grows.
    {"QR level H", {"-type", "QRCode", "-data", "Level test", "-eclevel", "H"}, "Level test", "H", false,
     "0 0 99.00 99.00"},
    // Version 5 is 37 modules a side, 45 with the quiet zone, 3 units each.
    {"QR version 5", {"-type", "QRCode", "-data", "A", "-qrversion", "5"}, "A", "L", false, "0 0 135.00 135.00"},
    {"QR ECI 26 carries UTF-8", {"-type", "QRCode", "-data", kCreme, "-eci", "26"}, kCreme, "L", true, ""},
    {"GS1 QR level H", {"-type", "QRCode", "-gs1", "1", "-data", "(01)09501101530003", "-eclevel", "H"},
     "0109501101530003", "H", false, ""},
    {"Data Matrix 16x48", {"-type", "DataMatrix", "-data", "PART-42", "-dmsize", "16x48"}, "PART-42", "", false,
     "0 0 144.00 48.00"},
    {"Data Matrix 24x24", {"-type", "DataMatrix", "-data", "PART-42", "-dmsize", "24x24"}, "PART-42", "", false,
     "0 0 72.00 72.00"},
    {"Data Matrix ECI 26 carries UTF-8", {"-type", "DataMatrix", "-data", kCreme, "-eci", "26"}, kCreme, "", true, ""},
    {"GS1 Digital Link made by -gs1dl",
     {"-type", "QRCode", "-gs1", "1", "-gs1dl", "https://id.gs1.org/", "-data", "(01)09501101530003(10)ABC123(17)271231"},
     "https://id.gs1.org/01/09501101530003/10/ABC123?17=271231", "L", false, ""},
    {"GS1 Data Matrix 12x36", {"-type", "DataMatrix", "-gs1", "1", "-data", "(10)ABC", "-dmsize", "12x36"},
     "10ABC", "", false, "0 0 108.00 36.00"},
};

TEST(SymbolOptions, ReadBackWithTheLevelEciAndSize) {
  for (const ReadBack& row : kReadBacks) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> args = row.args;
    args.insert(args.end(), {"-margin", "8"});  // Data Matrix is drawn without its quiet zone
    const auto decoded = test::ZxingRead(test::WriteAndRasterise(args, "pngf"));
    ASSERT_EQ(decoded.size(), 1u) << test::Describe(decoded);
    EXPECT_EQ(decoded[0].bytes, row.bytes);
    EXPECT_EQ(decoded[0].hasEci, row.hasEci);
    if (!row.ecLevel.empty()) {
      EXPECT_EQ(decoded[0].ecLevel, row.ecLevel);
    }
    if (row.viewBox.empty()) continue;
    const std::string svg = test::TempDir() + "/options.svg";
    ASSERT_EQ(test::RunKbc(test::WithOutput(row.args, "svgf", svg)).status, 0);
    EXPECT_NE(test::ReadFile(svg).find("viewBox=\"" + row.viewBox + "\""), std::string::npos);
  }
}

TEST(SymbolOptions, RefusedWithTheReason) {
  const struct {
    std::vector<std::string> args;
    std::string reason;
  } rows[] = {
      {{"-type", "QRCode", "-data", std::string(20, 'a'), "-qrversion", "1"}, "too long for QR Code version 1-L"},
      {{"-type", "QRCode", "-data", std::string(2000, 'a'), "-eclevel", "H"}, "too long for any QR Code symbol at level H"},
      {{"-type", "QRCode", "-gs1", "1", "-data", "(10)" + std::string(20, 'A') + "(21)" + std::string(10, 'A'), "-qrversion", "1"},
       "too long for QR Code version 1-L"},
      {{"-type", "DataMatrix", "-data", std::string(10, 'a'), "-dmsize", "10x10"}, "does not fit a 10x10 Data Matrix"},
      {{"-type", "QRCode", "-gs1", "1", "-data", "(10)A", "-eci", "26"}, "-eci cannot go with a GS1 element string"},
      {{"-type", "QRCode", "-data", "A", "-eclevel", "X"}, "-eclevel X is no QR Code error-correction level"},
      {{"-type", "QRCode", "-data", "A", "-eci", "1000000"}, "-eci 1000000 is no ECI designator"},
      {{"-type", "DataMatrix", "-data", "A", "-dmsize", "15x15"}, "-dmsize 15x15 is no Data Matrix size"},
      {{"-type", "Code-128", "-data", "A", "-code128", "short"}, "-code128 short is no code-set rule"},
      {{"-type", "QRCode", "-gs1", "1", "-gs1dl", "http://example.com", "-data", "(01)09501101530003"},
       "-gs1dl http://example.com is no web address"},
      {{"-type", "Aztec", "-data", std::string(300, 'a'), "-aztec-layers", "C1"}, "Aztec cannot encode this data"},
      {{"-type", "Aztec", "-data", "A", "-aztec-layers", "33"}, "-aztec-layers 33 is no Aztec size"},
      {{"-type", "Aztec", "-data", "A", "-aztec-layers", "C5"}, "-aztec-layers C5 is no Aztec size"},
      {{"-type", "Aztec", "-data", "A", "-aztec-eclevel", "20"}, "-aztec-eclevel 20 is no Aztec error-correction level"},
      {{"-type", "HIBC-Aztec", "-data", "A1", "-aztec-layers", "4", "-aztec-eclevel", "50"},
       "HIBC-Aztec takes -aztec-layers or -aztec-eclevel, not both"},
      {{"-type", "rMQR", "-data", "A", "-rmqr-size", "7x27"}, "-rmqr-size 7x27 is no rMQR size"},
      {{"-type", "rMQR", "-data", std::string(100, 'a'), "-rmqr-size", "R7x43"}, "rMQR cannot encode this data"},
      {{"-type", "MicroPDF417", "-data", "A", "-micropdf417-columns", "5"}, "is no MicroPDF417 width"},
      // The library would quietly widen the symbol to 3 columns.
      {{"-type", "MicroPDF417", "-data", std::string(120, 'a'), "-micropdf417-columns", "1"},
       "MicroPDF417 cannot be made as asked"},
      {{"-type", "Databar-Expanded-Stacked", "-data", "0103612345678904", "-databar-segments", "3"},
       "-databar-segments 3 is no DataBar Expanded Stacked width"},
      // The library would quietly widen the symbol to 4 segments.
      {{"-type", "Databar-Expanded-Stacked", "-data", "0103612345678904|11991231", "-databar-segments", "2"},
       "needs at least 4 segments per row"},
      {{"-type", "HIBC-Codablock-F", "-data", "+A123BJC5D6E71H", "-hibc-check", "given"},
       "the HIBC check character \"H\" does not match the data"},
  };
  for (const auto& row : rows) {
    const test::ProcessResult run = test::RunKbc(test::WithOutput(row.args, "svgf", test::TempDir() + "/refused.svg"));
    EXPECT_NE(run.status, 0) << row.reason;
    EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
  }
}

TEST(SymbolOptions, Warnings) {
  const struct {
    std::vector<std::string> args;
    std::string warning;
  } rows[] = {
      {{"-type", "QRCode", "-data", kCreme}, "QRCode data typed as UTF-8 is encoded as its bytes with no ECI"},
      {{"-type", "DataMatrix", "-data", kCreme}, "give -eci 26 to mark it as UTF-8"},
      {{"-type", "Code-128", "-data", "A", "-eclevel", "H"}, "-eclevel applies to QRCode; Code-128 ignores it"},
      {{"-type", "QRCode", "-data", "A", "-dmsize", "16x48"}, "-dmsize applies to DataMatrix; QRCode ignores it"},
      {{"-type", "QRCode", "-data", "A", "-aztec-layers", "4"}, "-aztec-layers applies to Aztec and HIBC-Aztec; QRCode ignores it"},
      {{"-type", "Aztec", "-data", "A", "-micropdf417-columns", "2"}, "-micropdf417-columns applies to MicroPDF417"},
      {{"-type", "Databar-Expanded", "-data", "0103612345678904", "-databar-segments", "6"},
       "-databar-segments applies to Databar-Expanded-Stacked; Databar-Expanded ignores it"},
      {{"-type", "HIBC-128", "-data", "+A123BJC5D6E71G"}, "is already a whole HIBC code"},
      {{"-type", "HIBC-Codablock-F", "-data", "+A123BJC5D6E71G"}, "is already a whole HIBC code"},
  };
  for (const auto& row : rows) {
    const test::ProcessResult run = test::RunKbc(test::WithOutput(row.args, "svgf", test::TempDir() + "/warned.svg"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(row.warning), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace kbc
