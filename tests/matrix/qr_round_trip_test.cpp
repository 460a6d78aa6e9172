// QR Code and Micro QR files from the command line read back by independent
// decoders, byte for byte.
#include <gtest/gtest.h>

#include <string>
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

// Every byte from 0x21 to 0xFF: printable ASCII and Mac OS Roman, handed over unchanged.
const std::string kAllBytes = [] {
  std::string bytes;
  for (int b = 0x21; b <= 0xFF; ++b) bytes.push_back(char(b));
  return bytes;
}();

const RoundTrip kCases[] = {
    {"QRCode", "Line\\none\\ttab\\r\\nend", "Line\none\ttab\r\nend"},  // escapes become control characters
    {"QRCode", "a\x01\x1B\x1F" "b\x81\x8E\xDB\xF0 caf\xC3\xA9", "a\x01\x1B\x1F" "b\x81\x8E\xDB\xF0 caf\xC3\xA9"},
    {"QRCode", kAllBytes, kAllBytes},
    {"QRCode", std::string(7089, '4'), std::string(7089, '4')},  // version 40
    {"MicroQR", "12345", "12345"},                                // M1
    {"MicroQR", "HELLO", "HELLO"},                                // M2
    {"MicroQR", "abcdefghijklmno", "abcdefghijklmno"},            // M4
    {"MicroQR", "\xE9t\xE9\\n\x8A", "\xE9t\xE9\n\x8A"},
};

// ZXingReader reads every file; zbarimg, which reads no Micro QR, in binary mode
// reports the bytes as they are instead of guessing a character set.
TEST(QrRoundTrip, EveryFileReadByteForByte) {
  for (const RoundTrip& c : kCases) {
    const bool micro = std::string(c.type) == "MicroQR";
    for (const std::string action : {"svgf", "pngf", "epsf", "pdff"}) {
      SCOPED_TRACE(std::string(c.type) + " " + c.data.substr(0, 20) + " " + action);
      const std::string png = test::WriteAndRasterise({"-type", c.type, "-data", c.data}, action);
      const auto zxing = test::ZxingRead(png);
      ASSERT_EQ(zxing.size(), 1u) << test::Describe(zxing);
      EXPECT_EQ(zxing[0].format, micro ? "MicroQRCode" : "QRCode");
      EXPECT_EQ(zxing[0].bytes, c.expected);
      if (!micro) {
        EXPECT_EQ(test::RunProgram({"zbarimg", "-q", "--raw", "-Sbinary", png}).out, c.expected);
      }
    }
  }
}

// A version-1 symbol is 87 units square; its first dark module (the finder's
// top-left corner) sits at left 12, bottom 72 in both documents.
TEST(QrDocuments, VersionOneSizeAndFirstModule) {
  const std::pair<std::string, std::vector<std::string>> documents[] = {
      {"eps", {"%%BoundingBox: 0 0 87.0000 87.0000\n", "0.0000 setgray\n12 72 15 75 QZfillrect\n"}},
      {"svg",
       {"viewBox=\"0 0 87.00 87.00\"",
        ">\n<path stroke=\"none\" d=\"M 12 15 L 12 12 L 15 12 L 15 15 L 12 15 Z\"></path>\n"}},
  };
  for (const auto& [extension, expected] : documents) {
    const std::string path = test::TempDir() + "/one." + extension;
    ASSERT_EQ(test::RunKbc(test::WithOutput({"-type", "QRCode", "-data", "A"}, extension + "f", path)).status, 0);
    for (const std::string& text : expected) EXPECT_NE(ReadFile(path).find(text), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace kbc
