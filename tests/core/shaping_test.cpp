// Data shaping per symbology, through the string operations under it.
#include <gtest/gtest.h>

#include <tuple>

#include "core/symbology.h"
#include "core/settings.h"

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
      {kEan13, U"5901234123457 12", U"", U"5901234123457", U""},  // the text after the space is dropped
      {kEan13, U" 590123 412345", U"", U"590123", U""},           // a space at index 0 is no cut point
      {kEan13, U"590-123-412345", U"", U"59012341234", U""},      // cut to 13, then filtered
      {kEan13, U"123", U"12 34", U"123", U"12"},
      {kUpcA, U"036000 291452", U"123456", U"036000", U"12345"},
      {kUpcCoupon, U"5123 4567890", U"81 10", U"5123", U"81"},
      {kIsbn, U"030640615X 5", U"51299", U"030640615X", U"51299"},
      {kIssn, U"0317 847X", U"", U"0317", U""},
      {kIsmn, U"M-2306-7118-7 x", U"12", U"M230671187x", U""},
      {kEan8, U"96385074 1", U"12", U"96385074", U""},
      {kUpcE, U"0425261", U"x", U"0425261", U""},
      {kCode39, U"  ab C d  ", U"x", U"ab C d", U""},
      {kCode128, U"\u3000\u00A0\t Hello World\u2028\n", U"", U"Hello World", U""},  // platform white space
      {kEan14, U"1234567890123456", U"", U"12345678901234", U""},
      {kEanVelocity, U"12345678", U"", U"123456", U""},
      {kPostNet, U"12345-6789", U"", U"123456789", U""},
      {kRm4scc, U"AB CD EF GH IJ KL", U"", U"ABCDEFGHIJKL", U""},
      {kPharmacode, U"12a456789012", U"", U"124567890", U""},
      {kPzn, U"PZN-1234567x89", U"", U"12345678", U""},
      {kFim, U"a", U"", U"a", U""},
      {kFim, U"7", U"", U"", U""},
      {kQrCode, U"\\\\n-\\x-\\v", U"x", U"\\\n-\\x-\v", U""},  // no escape for the backslash itself
      {kIdentcode, U"563.102.430.313", U"", U"563102430", U""},
      {kDataBarExpanded, U" (01)123 ", U"keep", U"(01)123", U"keep"},
      {kTelepen, U"\u0001ABC ", U"keep", U"\u0001ABC", U"keep"},  // controls other than tab..CR stay
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

// What shaping reports as lost: characters that carry data, never white space
// at the ends or the spaces and hyphens between digits.
TEST(ShapeDataForType, ReportsWhatCarriedData) {
  const std::tuple<SymbologyType, std::u32string, std::u32string, std::u32string> rows[] = {
      // type, data, dropped, cut off
      {kEan13, U"12ab34", U"ab", U""},
      {kEan13, U"978-0-306", U"", U""},
      {kEan13, U"590123412345 ", U"", U""},
      {kIsbn, U"ISBN 978-0-306-40615-7", U"", U" 978-0-306-40615-7"},
      {kMicroQr, U"1234567890123456", U"", U"6"},
      {kPzn, U"PZN-1234567x89", U"PZNx", U"9"},  // filtered first, then cut
      {kCode128, U"  Hello  ", U"", U""},
      {kRm4scc, U"SN3 4RD", U"", U""},
  };
  for (const auto& [type, data, dropped, cutOff] : rows) {
    BarcodeSettings s = InitSettings();
    s.symbology = type;
    s.data = data;
    const ShapingReport report = ShapeDataForType(s);
    EXPECT_EQ(report.dropped, dropped) << "type " << type;
    EXPECT_EQ(report.cutOff, cutOff) << "type " << type;
  }
}

}  // namespace
}  // namespace kbc
