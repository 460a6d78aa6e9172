// QR Code and Micro QR files from the command line read back by independent
// decoders, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/decoders.h"
#include "support/process.h"

namespace kbc {
namespace {

using test::ProcessResult;
using test::ReadFile;
using test::RunKbc;
using test::TempDir;

struct RoundTrip {
  const char* name;
  const char* type;
  std::string data;      // argument bytes as given on the command line
  std::string expected;  // bytes the symbol must carry
};

// Every byte from 0x21 to 0xFF in order: the whole printable ASCII and Mac OS
// Roman range, which the command line hands over unchanged.
std::string PrintableAndHighBytes() {
  std::string bytes;
  for (int b = 0x21; b <= 0xFF; ++b) bytes.push_back(char(b));
  return bytes;
}

const RoundTrip kQrCases[] = {
    {"escapes become control characters", "QRCode", "Line\\none\\ttab\\r\\nend", "Line\none\ttab\r\nend"},
    {"raw control bytes in the middle", "QRCode", "a\x01\x1B\x1F" "b", "a\x01\x1B\x1F" "b"},
    {"high bytes arrive unchanged", "QRCode", "\x81\x8E\xDB\xF0 caf\xC3\xA9", "\x81\x8E\xDB\xF0 caf\xC3\xA9"},
    {"every byte 0x21..0xFF", "QRCode", PrintableAndHighBytes(), PrintableAndHighBytes()},
    {"version 40: 7089 digits", "QRCode", std::string(7089, '4'), std::string(7089, '4')},
};

const RoundTrip kMicroQrCases[] = {
    {"M1 digits", "MicroQR", "12345", "12345"},
    {"M2 capitals", "MicroQR", "HELLO", "HELLO"},
    {"M4 15 lower-case letters", "MicroQR", "abcdefghijklmno", "abcdefghijklmno"},
    {"high bytes and an escape", "MicroQR", "\xE9t\xE9\\n\x8A", "\xE9t\xE9\n\x8A"},
};

struct FileFormat {
  const char* action;
  const char* extension;
};

constexpr FileFormat kSvg{"svgf", ".svg"};
constexpr FileFormat kEps{"epsf", ".eps"};
constexpr FileFormat kPng{"pngf", ".png"};
constexpr FileFormat kPdf{"pdff", ".pdf"};

std::string Write(const RoundTrip& c, const FileFormat& format) {
  const std::string path = TempDir() + "/qr" + format.extension;
  const ProcessResult run = RunKbc({"-type", c.type, "-data", c.data, "-action", format.action, "-output", path});
  EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
  return path;
}

// A PNG on white with several pixels per module (our bitmaps have 3).
std::string Rasterise(const RoundTrip& c, const FileFormat& format) {
  const std::string path = Write(c, format);
  const std::string extension = format.extension;
  std::string log;
  const std::string png = extension == ".svg"   ? test::RasteriseSvg(path, &log)
                          : extension == ".eps" ? test::RasteriseEps(path, &log)
                          : extension == ".pdf" ? test::RasterisePdf(path, &log)
                                                : test::EnlargeBitmap(path, 400, &log);
  EXPECT_FALSE(png.empty()) << log;
  return png;
}

// zbarimg's own text conversion guesses a character set; in binary mode it
// reports the symbol's bytes as they are.
std::string ZbarBytes(const std::string& png) {
  return test::RunProgram({"zbarimg", "-q", "--raw", "-Sbinary", png}).out;
}

TEST(QrRoundTrip, QrCodeFromEveryFileByZxingAndZbar) {
  for (const RoundTrip& c : kQrCases) {
    for (const FileFormat& format : {kSvg, kEps, kPng, kPdf}) {
      SCOPED_TRACE(std::string(c.name) + format.extension);
      const std::string png = Rasterise(c, format);
      const auto zxing = test::ZxingRead(png, {"-format", "QRCode"});
      ASSERT_EQ(zxing.size(), 1u) << test::Describe(zxing);
      EXPECT_EQ(zxing[0].bytes, c.expected);
      EXPECT_EQ(ZbarBytes(png), c.expected);
    }
  }
}

TEST(QrRoundTrip, MicroQrFromSvgAndPngByZxing) {
  for (const RoundTrip& c : kMicroQrCases) {
    for (const FileFormat& format : {kSvg, kPng}) {
      SCOPED_TRACE(std::string(c.name) + format.extension);
      const auto zxing = test::ZxingRead(Rasterise(c, format));
      ASSERT_EQ(zxing.size(), 1u) << test::Describe(zxing);
      EXPECT_EQ(zxing[0].format, "MicroQRCode");
      EXPECT_EQ(zxing[0].bytes, c.expected);
    }
  }
}

// A version-1 symbol is 87 units square; its first dark module (the finder's
// top-left corner) sits at left 12, bottom 72 in both documents.
TEST(QrDocuments, VersionOneSizeAndFirstModule) {
  const RoundTrip c{"one character", "QRCode", "A", "A"};
  const std::string eps = ReadFile(Write(c, kEps));
  EXPECT_NE(eps.find("%%BoundingBox: 0 0 87.0000 87.0000\n"), std::string::npos);
  EXPECT_NE(eps.find("0.0000 setgray\n12 72 15 75 QZfillrect\n"), std::string::npos);
  const std::string svg = ReadFile(Write(c, kSvg));
  EXPECT_NE(svg.find("viewBox=\"0 0 87.00 87.00\""), std::string::npos);
  EXPECT_NE(svg.find(">\n<path stroke=\"none\" d=\"M 12 15 L 12 12 L 15 12 L 15 15 L 12 15 Z\"></path>\n"),
            std::string::npos);
}

// Data no QR symbol holds (2953 bytes is the most) is refused with exit status
// 1: no file, or for PDF a page with the placeholder only.
TEST(QrDocuments, DataTooLongIsRefused) {
  for (const FileFormat& format : {kSvg, kEps, kPng, kPdf}) {
    SCOPED_TRACE(format.action);
    const std::string path = TempDir() + "/too-long" + format.extension;
    const ProcessResult run =
        RunKbc({"-type", "QRCode", "-data", std::string(3000, 'a'), "-action", format.action, "-output", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
    if (std::string(format.extension) == ".pdf") {
      EXPECT_NE(run.err.find("No BarCode Image"), std::string::npos) << run.err;
    } else {
      EXPECT_EQ(ReadFile(path), "");
    }
  }
}

}  // namespace
}  // namespace kbc
