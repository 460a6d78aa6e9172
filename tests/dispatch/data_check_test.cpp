// The data check: which data can be drawn, and the image rectangle it gets.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>

#include "core/symbology.h"
#include "dispatch/data_check.h"

namespace kbc {
namespace {

struct Size {
  double width, height;
};

constexpr std::optional<Size> kRefused = std::nullopt;

struct CheckRow {
  const char* source;  // where the expected answer comes from
  SymbologyType type;
  std::u32string data;
  std::u32string addon;
  double trim;
  double scale;
  std::optional<Size> expected;
};

// Heights, trims and scales over the widths the encoders give (their own
// tests hold the widths of every add-on and code set). Every accepted row is
// also checked at scale 73: both sides shrink by 0.73.
TEST(ValidateBarcodeData, KnownSizesAndRefusals) {
  const CheckRow rows[] = {
      // EAN/UPC family and the add-on widths
      {"typical request: EAN-13 590123412345 is 113 by 80", kEan13, U"590123412345", U"", 0, 100, Size{113, 80}},
      {"EAN-13 trim 100 is capped at 50, at scale 150", kEan13, U"590123412345", U"", 100, 150, Size{169.5, 45}},
      {"EAN-8 trim 50 capped at 35", kEan8, U"9638507", U"", 50, 100, Size{81, 30}},
      {"UPC-E", kUpcE, U"0425261", U"", 0, 100, Size{67, 80}},
      {"ISBN with 5-digit add-on", kIsbn, U"0306406152", U"51299", 0, 100, Size{165, 95}},
      {"ISMN trim 60 capped at 50", kIsmn, U"M230671187", U"", 60, 100, Size{113, 45}},
      // Code 128 count, fixed-width GS1 types
      {"10 digits pack into 5 symbols: 11 x 5 + 55; trim capped at 40", kCode128, U"1234567890", U"", 100, 100,
       Size{110, 20}},
      {"9 digits count 9 symbols", kCode128, U"123456789", U"", 0, 100, Size{154, 60}},
      {"a lower-case letter: one symbol per character", kCode128, U"12a4", U"", 0, 100, Size{99, 60}},
      {"control characters are dropped from mixed data", kCode128, U"Ab\x01\x1F", U"", 0, 100, Size{77, 60}},
      {"EAN-14 trim 100 capped at 70", kEan14, U"1234567890123", U"", 100, 100, Size{154, 30}},
      // two-of-five family
      {"Code-25: 14 x 4 + 36", kCode25, U"1234", U"", 0, 100, Size{92, 80}},
      {"Interleaved-25 5 digits padded to 6", kInterleaved25, U"12345", U"", 0, 100, Size{73, 90}},
      {"Interleaved-25 trim 100 capped at 60", kInterleaved25, U"123456", U"", 100, 100, Size{73, 30}},
      {"ITF-14", kItf14, U"1234567890123", U"", 0, 100, Size{145, 90}},
      {"ITF-SCC trim 100 leaves the height (cap 0)", kItfScc, U"1234567890123", U"", 100, 100, Size{305, 100}},
      // Codabar, MSI, Pharmacode
      {"Codabar 1234 gets A and B: 14 + 4 x 12 + 14; trim capped at 30", kCodabar, U"1234", U"", 100, 100,
       Size{76, 18}},
      {"Codabar lower-case start and stop", kCodabar, U"a12d", U"", 0, 100, Size{52, 48}},
      {"Codabar punctuation counts 14, other characters are dropped", kCodabar, U"1+x2", U"", 0, 100, Size{66, 48}},
      {"MSI counts digits only: 12 x 4 + 19", kMsi, U"12-34", U"", 0, 100, Size{67, 48}},
      {"Pharmacode 3: two narrow bars, text wins; trim ignored", kPharmacode, U"3", U"", 100, 100, Size{7, 25}},
      {"Pharmacode 131070 (largest): 16 wide bars", kPharmacode, U"131070", U"", 0, 100, Size{78, 25}},
      // postal and fixed types
      {"PostNet 5 digits; trim never changes it", kPostNet, U"12345", U"", 100, 100, Size{94, 9}},
      {"PostNet 11 digits", kPostNet, U"12345678901", U"", 0, 100, Size{184, 9}},
      {"RM4SCC 6 characters refused", kRm4scc, U"SN34RD", U"", 0, 100, kRefused},
      {"RM4SCC 7 characters, lower case counts", kRm4scc, U"Sn34rD1", U"", 0, 100, Size{136, 21}},
      {"RM4SCC punctuation does not count", kRm4scc, U"SN3-4RD", U"", 0, 100, kRefused},
      {"FIM d in lower case, trim ignored", kFim, U"d", U"", 100, 100, Size{90, 45}},
      {"FIM E refused", kFim, U"E", U"", 0, 100, kRefused},
      {"Identcode trim 100 capped at 60", kIdentcode, U"563102430", U"", 100, 100, Size{127, 30}},
      // 2-D symbols: three units per module, never trimmed
      {"QR version 1 with its quiet zone: 29 modules, scaled, never trimmed", kQrCode, U"A", U"", 100, 150,
       Size{130.5, 130.5}},
      {"QR version 40: 185 modules", kQrCode, std::u32string(7089, U'7'), U"", 0, 100, Size{555, 555}},
      {"3000 lower-case letters fit no QR symbol", kQrCode, std::u32string(3000, U'a'), U"", 0, 100, kRefused},
      {"Micro QR 12345 is M1: 15 modules", kMicroQr, U"12345", U"", 0, 100, Size{45, 45}},
      // common refusals and the 16-bit width
      {"empty data", kEan13, U"", U"12", 0, 100, kRefused},
      {"symbology 0", kNoSymbology, U"123", U"", 0, 100, kRefused},
      {"a code after the last symbology", kSymbologyCount + 1, U"123", U"", 0, 100, kRefused},
      {"Code-25 of 2337 digits is 32754 wide", kCode25, std::u32string(2337, U'1'), U"", 0, 100, Size{32754, 80}},
      {"Code-25 of 2338 digits would be 32768", kCode25, std::u32string(2338, U'1'), U"", 0, 100, kRefused},
      {"wide enough to wrap 16 bits", kCode25, std::u32string(4684, U'1'), U"", 0, 100, kRefused},
  };
  for (const CheckRow& row : rows) {
    SCOPED_TRACE(row.source);
    BarcodeSettings s = InitSettings();
    s.symbology = row.type;
    s.data = row.data;
    s.addon = row.addon;
    s.trim = row.trim;
    s.scale = row.scale;
    const std::optional<Rect> rect = ValidateBarcodeData(s);
    ASSERT_EQ(rect.has_value(), row.expected.has_value());
    if (!rect) continue;
    EXPECT_TRUE(rect->x == 0 && rect->y == 0);
    EXPECT_DOUBLE_EQ(rect->width, row.expected->width);
    EXPECT_DOUBLE_EQ(rect->height, row.expected->height);
    s.scale = 73;
    const std::optional<Rect> scaled = ValidateBarcodeData(s);
    ASSERT_TRUE(scaled.has_value());
    EXPECT_DOUBLE_EQ(scaled->width, rect->width * 73 / row.scale);
    EXPECT_DOUBLE_EQ(scaled->height, rect->height * 73 / row.scale);
  }
}

// Refusals a user can act on, each beside the nearest data that is drawn.
TEST(ValidateBarcodeData, RefusalsNameTheirReason) {
  const std::tuple<const char*, SymbologyType, std::u32string, std::string> rows[] = {
      {"number system 9 has no UPC-E form", kUpcE, U"9123456", "number systems 0 and 1 (the data starts with 9)"},
      {"the eighth digit is cut, the first stays", kUpcE, U"21234565", "the data starts with 2"},
      {"number system 1 is drawn", kUpcE, U"1123456", ""},
      {"six digits lead with a padded 0", kUpcE, U"923456", ""},
      {"Code-128 of characters above 127 only", kCode128, U"\u0080\u0081\u00FF", "no character it can encode"},
      {"Code-128 of control characters beside a letter outside 128", kCode128, U"\x01\u00E9",
       "no character it can encode"},
      {"EAN-128 of characters above 127 only", kEan128, U"\u00E9", "no character it can encode"},
      {"one encodable character is enough", kCode128, U"\u00E9a", ""},
  };
  for (const auto& [why, type, data, reason] : rows) {
    SCOPED_TRACE(why);
    BarcodeSettings s = InitSettings();
    s.symbology = type;
    s.data = data;
    const DataCheck check = CheckBarcodeData(s);
    EXPECT_EQ(bool(check), reason.empty());
    if (!reason.empty()) { EXPECT_NE(check.refusal.find(reason), std::string::npos) << check.refusal; }
  }
}

TEST(ValidateBarcodeData, Usps4cbTakesOnly20_25_29Or31Digits) {
  BarcodeSettings s = InitSettings();
  s.symbology = kUsps4cb;
  for (std::size_t length = 1; length <= 32; ++length) {
    s.data = std::u32string(length, U'1');
    const bool accepted = length == 20 || length == 25 || length == 29 || length == 31;
    const std::optional<Rect> rect = ValidateBarcodeData(s);
    ASSERT_EQ(rect.has_value(), accepted) << length;
    if (rect) { EXPECT_TRUE(rect->width == 276 && rect->height == 16) << length; }
  }
}

// Types whose heights the rows above do not reach; 2-D symbols and unknown codes have none.
TEST(HeightRuleFor, BaseHeightAndTrimCap) {
  const std::tuple<SymbologyType, double, double> rows[] = {
      {kCode39, 48, 25}, {kPzn, 48, 25}, {kTelepen, 50, 30},
      {kQrCode, 0, 0},   {kDataBarLimited, 0, 0}, {kNoSymbology, 0, 0}, {44, 0, 0},
  };
  for (const auto& [type, base, cap] : rows) {
    EXPECT_EQ(HeightRuleFor(type).baseHeight, base) << "type " << type;
    EXPECT_EQ(HeightRuleFor(type).trimCap, cap) << "type " << type;
  }
}

TEST(CappedHeight, TrimIsCappedAndTruncated) {
  EXPECT_EQ(CappedHeight(80, 50, 49.9), 30);  // 30.1 truncated
  EXPECT_EQ(CappedHeight(80, 50, std::nan("")), 0);
}

}  // namespace
}  // namespace kbc
