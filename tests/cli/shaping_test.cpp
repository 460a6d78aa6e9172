// Data shaping per symbology and the string operations under it.
#include <gtest/gtest.h>

#include "cli/registry.h"
#include "cli/settings.h"
#include "cli/string_ops.h"

namespace kbc {
namespace {

struct ShapeRow {
  SymbologyType type;
  std::u32string data;
  std::u32string addon;
  std::u32string expectedData;
  std::u32string expectedAddon;
};

TEST(ShapeDataForType, PerSymbologyRow) {
  const ShapeRow rows[] = {
      {kEan13, U"5901234123457 12", U"", U"5901234123457", U""},
      {kEan13, U" 590123412345", U"", U"590123412345", U""},
      {kEan13, U"590-123-412345", U"", U"59012341234", U""},
      {kEan13, U"123", U"12 34", U"123", U"12"},
      {kUpcA, U"0360002914521", U"123456", U"036000291452", U"12345"},
      {kUpcCoupon, U"51234567890", U"81 10", U"51234567890", U"81"},
      {kIsbn, U"0-306-40615-2", U"", U"0306406152", U""},
      {kIsbn, U"030640615X 5", U"51299", U"030640615X", U"51299"},
      {kIssn, U"0317-847X", U"", U"0317847X", U""},
      {kIsmn, U"M-2306-7118-7 x", U"12", U"M230671187x", U""},
      {kEan8, U"96385074 1", U"12", U"96385074", U""},
      {kUpcE, U"0425261", U"x", U"0425261", U""},
      {kCode39, U"  ab C d  ", U"x", U"ab C d", U""},
      {kCode128, U"\tHello World ", U"", U"Hello World", U""},
      {kCode25, U"12-34", U"", U"1234", U""},
      {kEan14, U"1234567890123456", U"", U"12345678901234", U""},
      {kEan18, U"12345678901234567890", U"", U"123456789012345678", U""},
      {kEanVelocity, U"12345678", U"", U"123456", U""},
      {kEan99, U"123456789012", U"", U"1234567890", U""},
      {kPostNet, U"12345-6789", U"", U"123456789", U""},
      {kRm4scc, U" SN34 RD1A ", U"", U"SN34RD1A", U""},
      {kRm4scc, U"AB CD EF GH IJ KL", U"", U"ABCDEFGHIJKL", U""},
      {kPharmacode, U"12a456789012", U"", U"124567890", U""},
      {kPzn, U"PZN-1234567x89", U"", U"12345678", U""},
      {kFim, U"a", U"", U"a", U""},
      {kFim, U"7", U"", U"", U""},
      {kQrCode, U"A\\nB", U"x", U"A\nB", U""},
      {kMicroQr, U"12345678901234567", U"", U"123456789012345", U""},
      {kIdentcode, U"563.102.430.313", U"", U"563102430", U""},
      {kUsps4cb, U"0123456709498765432101234567891", U"", U"0123456709498765432101234567891", U""},
      {kDataBarExpanded, U" (01)123 ", U"keep", U"(01)123", U"keep"},
      {kTelepen, U" ABC ", U"keep", U"ABC", U"keep"},
      {kDataMatrix, U"x\\ty", U"z", U"x\ty", U""},
      {kNoSymbology, U" a b ", U" c ", U" a b ", U" c "},
  };
  for (const ShapeRow& row : rows) {
    BarcodeSettings s = InitSettings();
    s.symbology = row.type;
    s.data = row.data;
    s.addon = row.addon;
    ShapeDataForType(s);
    EXPECT_EQ(s.data, row.expectedData) << "type " << row.type;
    EXPECT_EQ(s.addon, row.expectedAddon) << "type " << row.type;
  }
}

TEST(StringOps, PadTruncateAndCut) {
  std::u32string s = U"123";
  PadLeft(s, 5, U'0');
  EXPECT_EQ(s, U"00123");
  PadLeft(s, 2, U'0');
  EXPECT_EQ(s, U"00");
  s = U" 12 34";
  CutAtSpaceAndTruncate(s, 10, 0);
  EXPECT_EQ(s, U" 12");
  s = U"12 34";
  CutAtSpaceAndTruncate(s, 4, 1);
  EXPECT_EQ(s, U"12 3");
}

TEST(StringOps, TrimmingUsesThePlatformWhiteSpace) {
  std::u32string s = U"\u3000\u00A0\t x y\u2028\n";
  TrimWhiteSpace(s);
  EXPECT_EQ(s, U"x y");
  s = U"\u0001a";
  s.push_back(0);
  TrimWhiteSpace(s);
  EXPECT_EQ(s.size(), 3u);  // controls other than tab..CR are not trimmed
  s = U" a b ";
  TrimAndRemoveChar(s, 1, U' ');
  EXPECT_EQ(s, U"ab");
}

TEST(StringOps, UnescapeReplacesInOrderWithoutBackslashEscape) {
  std::u32string s = U"\\\\n-\\x-\\v";
  UnescapeControlChars(s);
  EXPECT_EQ(s, U"\\\n-\\x-\v");
}

}  // namespace
}  // namespace kbc
