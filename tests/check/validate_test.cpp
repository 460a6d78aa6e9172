// The data check: which data can be drawn, and the image rectangle it gets.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "check/validate.h"
#include "cli/registry.h"

namespace kbc {
namespace {

struct Size {
  double width;
  double height;
};

struct CheckRow {
  const char* source;  // where the expected answer comes from
  SymbologyType type;
  std::u32string data;
  std::u32string addon;
  double trim;
  double scale;
  std::optional<Size> expected;  // nothing = refused
};

BarcodeSettings Request(const CheckRow& row) {
  BarcodeSettings s = InitSettings();
  s.symbology = row.type;
  s.data = row.data;
  s.addon = row.addon;
  s.trim = row.trim;
  s.scale = row.scale;
  return s;
}

void ExpectRows(const std::vector<CheckRow>& rows) {
  for (const CheckRow& row : rows) {
    SCOPED_TRACE(row.source);
    const std::optional<Rect> rect = ValidateBarcodeData(Request(row));
    ASSERT_EQ(rect.has_value(), row.expected.has_value());
    if (!rect) continue;
    EXPECT_EQ(rect->x, 0.0);
    EXPECT_EQ(rect->y, 0.0);
    EXPECT_DOUBLE_EQ(rect->width, row.expected->width);
    EXPECT_DOUBLE_EQ(rect->height, row.expected->height);
  }
}

constexpr std::optional<Size> kRefused = std::nullopt;

TEST(ValidateBarcodeData, EanUpcFamily) {
  ExpectRows({
      {"typical request: EAN-13 590123412345 is 113 by 80", kEan13, U"590123412345", U"", 0, 100, Size{113, 80}},
      {"EAN-13 trim 100 is capped at 50", kEan13, U"590123412345", U"", 100, 100, Size{113, 30}},
      {"EAN-13 trim 100 at scale 150", kEan13, U"590123412345", U"", 100, 150, Size{169.5, 45}},
      {"EAN-13 trim 0.5 truncates to 79", kEan13, U"590123412345", U"", 0.5, 100, Size{113, 79}},
      {"EAN-13 at scale 50", kEan13, U"590123412345", U"", 0, 50, Size{56.5, 40}},
      {"2-digit add-on", kEan13, U"590123412345", U"12", 0, 100, Size{138, 80}},
      {"1-digit add-on counts as 2-digit", kEan13, U"590123412345", U"1", 0, 100, Size{138, 80}},
      {"3 add-on digits take the 5-digit width", kEan13, U"590123412345", U"123", 0, 100, Size{165, 80}},
      {"5-digit add-on", kEan13, U"590123412345", U"12345", 0, 100, Size{165, 80}},
      {"6 add-on characters are no add-on", kEan13, U"590123412345", U"123456", 0, 100, Size{113, 80}},
      {"UPC-A follows the add-on rule", kUpcA, U"03600029145", U"12", 0, 100, Size{138, 80}},
      {"EAN-8 trim 50 capped at 35", kEan8, U"9638507", U"", 50, 100, Size{81, 30}},
      {"EAN-Velocity shares EAN-8's size", kEanVelocity, U"123456", U"", 0, 100, Size{81, 65}},
      {"EAN-99", kEan99, U"9912345678", U"", 0, 100, Size{113, 80}},
      {"EAN-Coupon", kEanCoupon, U"9812345678", U"", 0, 100, Size{113, 80}},
      {"UPC-E", kUpcE, U"0425261", U"", 0, 100, Size{67, 80}},
      {"ISSN trim 50 capped at 30", kIssn, U"0317847X", U"", 50, 100, Size{113, 40}},
      {"ISBN with 5-digit add-on", kIsbn, U"0306406152", U"51299", 0, 100, Size{165, 95}},
      {"ISMN trim 60 capped at 50", kIsmn, U"M230671187", U"", 60, 100, Size{113, 45}},
      {"UPC-Coupon without extension", kUpcCoupon, U"51234567890", U"", 0, 100, Size{189, 80}},
      {"UPC-Coupon even extension counts pairs", kUpcCoupon, U"51234567890", U"8100", 0, 100, Size{211, 80}},
      {"UPC-Coupon odd extension counts characters", kUpcCoupon, U"51234567890", U"81001", 0, 100,
       Size{244, 80}},
  });
}

TEST(ValidateBarcodeData, Code128Count) {
  ExpectRows({
      {"10 digits pack into 5 symbols: 11 x 5 + 55", kCode128, U"1234567890", U"", 0, 100, Size{110, 60}},
      {"9 digits count 9 symbols", kCode128, U"123456789", U"", 0, 100, Size{154, 60}},
      {"a lower-case letter: one symbol per character", kCode128, U"12a4", U"", 0, 100, Size{99, 60}},
      {"capitals and digits: one symbol per character", kCode128, U"AB12", U"", 0, 100, Size{99, 60}},
      {"control characters are dropped from mixed data", kCode128, U"Ab\x01\x1F", U"", 0, 100, Size{77, 60}},
      {"characters above 127 are dropped before pairing", kCode128, U"12\u00E934", U"", 0, 100, Size{77, 60}},
      {"Code-128 trim 100 capped at 40", kCode128, U"1234567890", U"", 100, 100, Size{110, 20}},
      {"EAN-128 4 digits: 11 x 2 + 66", kEan128, U"1234", U"", 0, 100, Size{88, 60}},
      {"EAN-14 fixed width", kEan14, U"1234567890123", U"", 0, 100, Size{154, 100}},
      {"EAN-14 trim 100 capped at 70", kEan14, U"1234567890123", U"", 100, 100, Size{154, 30}},
      {"EAN-18 fixed width", kEan18, U"12345678901234567", U"", 0, 100, Size{176, 100}},
  });
}

TEST(ValidateBarcodeData, TwoOfFiveFamily) {
  ExpectRows({
      {"Code-25: 14 x 4 + 36", kCode25, U"1234", U"", 0, 100, Size{92, 80}},
      {"Interleaved-25 5 digits padded to 6", kInterleaved25, U"12345", U"", 0, 100, Size{73, 90}},
      {"Interleaved-25 6 digits", kInterleaved25, U"123456", U"", 0, 100, Size{73, 90}},
      {"Interleaved-25 trim 100 capped at 60", kInterleaved25, U"123456", U"", 100, 100, Size{73, 30}},
      {"ITF-14", kItf14, U"1234567890123", U"", 0, 100, Size{145, 90}},
      {"ITF-SCC trim 100 leaves the height (cap 0)", kItfScc, U"1234567890123", U"", 100, 100, Size{305, 100}},
  });
}

TEST(ValidateBarcodeData, CodabarMsiPharmacode) {
  ExpectRows({
      {"Codabar 1234 gets A and B: 14 + 4 x 12 + 14", kCodabar, U"1234", U"", 0, 100, Size{76, 48}},
      {"Codabar with its own start and stop", kCodabar, U"A1234B", U"", 0, 100, Size{76, 48}},
      {"Codabar lower-case start and stop", kCodabar, U"a12d", U"", 0, 100, Size{52, 48}},
      {"Codabar punctuation counts 14", kCodabar, U"1+2", U"", 0, 100, Size{66, 48}},
      {"Codabar drops characters it cannot encode", kCodabar, U"1x2", U"", 0, 100, Size{52, 48}},
      {"Codabar trim 100 capped at 30", kCodabar, U"1234", U"", 100, 100, Size{76, 18}},
      {"MSI: 12 x 4 + 19", kMsi, U"1234", U"", 0, 100, Size{67, 48}},
      {"MSI counts digits only", kMsi, U"12-34", U"", 0, 100, Size{67, 48}},
      {"Pharmacode 3: two narrow bars, text wins", kPharmacode, U"3", U"", 0, 100, Size{7, 25}},
      {"Pharmacode 65535: 16 narrow bars", kPharmacode, U"65535", U"", 0, 100, Size{46, 25}},
      {"Pharmacode 131070 (largest): 16 wide bars", kPharmacode, U"131070", U"", 0, 100, Size{78, 25}},
      {"Pharmacode keeps the last 9 of 10 characters", kPharmacode, U"0000000003", U"", 0, 100, Size{63, 25}},
      {"Pharmacode ignores trim", kPharmacode, U"3", U"", 100, 100, Size{7, 25}},
  });
}

TEST(ValidateBarcodeData, PostalAndFixedTypes) {
  ExpectRows({
      {"PostNet 5 digits", kPostNet, U"12345", U"", 0, 100, Size{94, 9}},
      {"PostNet 3 digits pad to 5", kPostNet, U"123", U"", 0, 100, Size{94, 9}},
      {"PostNet 9 digits", kPostNet, U"123456789", U"", 0, 100, Size{154, 9}},
      {"PostNet 11 digits", kPostNet, U"12345678901", U"", 0, 100, Size{184, 9}},
      {"PostNet 13 digits cut to 11", kPostNet, U"1234567890123", U"", 0, 100, Size{184, 9}},
      {"PostNet ignores trim", kPostNet, U"12345", U"", 100, 100, Size{94, 9}},
      {"RM4SCC 6 characters refused", kRm4scc, U"SN34RD", U"", 0, 100, kRefused},
      {"RM4SCC 7 characters", kRm4scc, U"SN34RD1", U"", 0, 100, Size{136, 21}},
      {"RM4SCC lower case counts", kRm4scc, U"sn34rd1", U"", 0, 100, Size{136, 21}},
      {"RM4SCC punctuation does not count", kRm4scc, U"SN3-4RD", U"", 0, 100, kRefused},
      {"USPS4CB 20 digits", kUsps4cb, std::u32string(20, U'1'), U"", 0, 100, Size{276, 16}},
      {"USPS4CB 25 digits", kUsps4cb, std::u32string(25, U'1'), U"", 0, 100, Size{276, 16}},
      {"USPS4CB 29 digits", kUsps4cb, std::u32string(29, U'1'), U"", 0, 100, Size{276, 16}},
      {"USPS4CB 31 digits", kUsps4cb, std::u32string(31, U'1'), U"", 100, 100, Size{276, 16}},
      {"USPS4CB 22 digits refused", kUsps4cb, std::u32string(22, U'1'), U"", 0, 100, kRefused},
      {"FIM A", kFim, U"A", U"", 0, 100, Size{90, 45}},
      {"FIM d in lower case", kFim, U"d", U"", 100, 100, Size{90, 45}},
      {"FIM E refused", kFim, U"E", U"", 0, 100, kRefused},
      {"FIM of two letters refused", kFim, U"AB", U"", 0, 100, kRefused},
      {"Identcode", kIdentcode, U"563102430", U"", 0, 100, Size{127, 90}},
      {"Identcode trim 100 capped at 60", kIdentcode, U"563102430", U"", 100, 100, Size{127, 30}},
  });
}

TEST(ValidateBarcodeData, CommonRefusals) {
  ExpectRows({
      {"empty data", kEan13, U"", U"12", 0, 100, kRefused},
      {"empty data of a fixed-width type", kItf14, U"", U"", 0, 100, kRefused},
      {"symbology 0", kNoSymbology, U"123", U"", 0, 100, kRefused},
      {"symbology 44", 44, U"123", U"", 0, 100, kRefused},
      {"Code-25 of 2337 digits is 32754 wide", kCode25, std::u32string(2337, U'1'), U"", 0, 100,
       Size{32754, 80}},
      {"Code-25 of 2338 digits would be 32768 wide", kCode25, std::u32string(2338, U'1'), U"", 0, 100,
       kRefused},
      {"Code-25 wide enough to wrap 16 bits is still refused", kCode25, std::u32string(4684, U'1'), U"", 0, 100,
       kRefused},
  });
}

TEST(ValidateBarcodeData, LeavesTheSettingsUnchanged) {
  const CheckRow rows[] = {
      {"Interleaved-25 pads its copy", kInterleaved25, U"12345", U"", 0, 100, {}},
      {"Codabar adds start and stop to its copy", kCodabar, U"1234", U"", 0, 100, {}},
      {"RM4SCC upper-cases its copy", kRm4scc, U"sn34rd1", U"", 0, 100, {}},
      {"PostNet pads its copy", kPostNet, U"123", U"", 0, 100, {}},
  };
  for (const CheckRow& row : rows) {
    SCOPED_TRACE(row.source);
    const BarcodeSettings s = Request(row);
    ASSERT_TRUE(ValidateBarcodeData(s).has_value());
    EXPECT_EQ(s.data, row.data);
    EXPECT_EQ(s.addon, row.addon);
  }
}

TEST(ValidateBarcodeData, ScaleMultipliesBothSides) {
  const CheckRow rows[] = {
      {"EAN-8", kEan8, U"9638507", U"", 0, 100, {}},
      {"Code-128", kCode128, U"Hello", U"", 0, 100, {}},
      {"RM4SCC", kRm4scc, U"SN34RD1A", U"", 0, 100, {}},
      {"Pharmacode", kPharmacode, U"12345", U"", 0, 100, {}},
  };
  for (const CheckRow& row : rows) {
    SCOPED_TRACE(row.source);
    BarcodeSettings s = Request(row);
    const std::optional<Rect> plain = ValidateBarcodeData(s);
    s.scale = 73;
    const std::optional<Rect> scaled = ValidateBarcodeData(s);
    ASSERT_TRUE(plain && scaled);
    EXPECT_DOUBLE_EQ(scaled->width, plain->width * 0.73);
    EXPECT_DOUBLE_EQ(scaled->height, plain->height * 0.73);
  }
}

TEST(HeightRuleFor, BaseHeightAndTrimCap) {
  struct Row {
    SymbologyType type;
    double base;
    double cap;
  };
  const Row rows[] = {
      {kEan13, 80, 50},   {kEan8, 65, 35},     {kEan128, 60, 40},  {kEan14, 100, 70}, {kCode39, 48, 25},
      {kCodabar, 48, 30}, {kIssn, 70, 30},     {kIsbn, 95, 50},    {kPostNet, 9, 0},  {kRm4scc, 21, 0},
      {kPzn, 48, 25},     {kItfScc, 100, 0},   {kItf14, 90, 60},   {kFim, 45, 0},     {kTelepen, 50, 30},
      {kQrCode, 0, 0},    {kDataBarLimited, 0, 0}, {kNoSymbology, 0, 0}, {44, 0, 0},
  };
  for (const Row& row : rows) {
    const HeightRule rule = HeightRuleFor(row.type);
    EXPECT_EQ(rule.baseHeight, row.base) << "type " << row.type;
    EXPECT_EQ(rule.trimCap, row.cap) << "type " << row.type;
  }
}

TEST(CappedHeight, TrimIsCappedAndTruncated) {
  struct Row {
    double base, cap, trim;
    int expected;
  };
  const Row rows[] = {
      {80, 50, 0, 80},   {80, 50, 0.5, 79}, {80, 50, 49.9, 30}, {80, 50, 100, 30},
      {100, 0, 100, 100}, {9, 0, 5, 9},     {65, 35, 50, 30},   {80, 50, std::nan(""), 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CappedHeight(row.base, row.cap, row.trim), row.expected)
        << row.base << " " << row.cap << " " << row.trim;
  }
}

TEST(ValidateBarcodeData, QrCodeAndMicroQrAreThreeUnitsPerModule) {
  ExpectRows({
      {"QR version 1 with its quiet zone: 29 modules, 87 units", kQrCode, U"A", U"", 0, 100, Size{87, 87}},
      {"trim never shortens a 2-D symbol", kQrCode, U"A", U"", 100, 150, Size{130.5, 130.5}},
      {"QR version 40: 185 modules", kQrCode, std::u32string(7089, U'7'), U"", 0, 100, Size{555, 555}},
      {"3000 lower-case letters fit no QR symbol", kQrCode, std::u32string(3000, U'a'), U"", 0, 100, kRefused},
      {"Micro QR 12345 is M1: 15 modules", kMicroQr, U"12345", U"", 0, 100, Size{45, 45}},
      {"Micro QR HELLO is M2: 17 modules", kMicroQr, U"HELLO", U"", 0, 100, Size{51, 51}},
  });
}

}  // namespace
}  // namespace kbc
