// QR Code and Micro QR front: symbol sides and module strings.
#include <gtest/gtest.h>

#include <string>

#include "matrix/qr_code.h"

namespace kbc {
namespace {

struct SideRow {
  const char* source;
  QrVariant variant;
  std::u32string data;
  int side;
};

TEST(QrSymbolSide, KnownSides) {
  const SideRow rows[] = {
      {"one character is version 1: 21 + 8", QrVariant::kQrCode, U"A", 29},
      {"7089 digits fill version 40-L: 177 + 8", QrVariant::kQrCode, std::u32string(7089, U'7'), 185},
      {"2953 bytes fill version 40-L in 8-bit mode", QrVariant::kQrCode, std::u32string(2953, U'a'), 185},
      {"3000 lower-case letters exceed version 40-L", QrVariant::kQrCode, std::u32string(3000, U'a'), 0},
      {"digits only fit M1: 11 + 4", QrVariant::kMicroQr, U"12345", 15},
      {"upper-case letters need M2: 13 + 4", QrVariant::kMicroQr, U"HELLO", 17},
      {"lower-case letters need 8-bit mode, M3: 15 + 4", QrVariant::kMicroQr, U"hello", 19},
      {"15 bytes fill M4-L: 17 + 4", QrVariant::kMicroQr, std::u32string(15, U'q'), 21},
      {"16 bytes exceed M4-L", QrVariant::kMicroQr, std::u32string(16, U'q'), 0},
      {"Mac OS Roman letters are one byte each", QrVariant::kMicroQr, std::u32string(15, U'\u00E9'), 21},
      {"a character without a Mac OS Roman byte", QrVariant::kQrCode, U"A\u4E00", 0},
      {"a NUL would cut the data short", QrVariant::kQrCode, std::u32string(U"A\0B", 3), 0},
      {"no data at all", QrVariant::kQrCode, U"", 0},
  };
  for (const SideRow& row : rows) {
    EXPECT_EQ(QrSymbolSide(row.data, row.variant), row.side) << row.source;
  }
}

// The module at (row, column) of a module string of the given side.
char ModuleAt(const std::string& modules, int side, int row, int column) {
  return modules[std::size_t(row) * std::size_t(side) + std::size_t(column)];
}

struct LayoutRow {
  const char* source;
  QrVariant variant;
  std::u32string data;
  int side;
};

// Every symbol has the square finder pattern (dark 7 × 7 ring, light ring, dark
// 3 × 3 core) in its top-left corner, just inside the quiet zone.
TEST(QrModuleString, QuietZoneAndFinderPattern) {
  const LayoutRow rows[] = {
      {"version 1", QrVariant::kQrCode, U"A", 29},
      {"version 40", QrVariant::kQrCode, std::u32string(7089, U'1'), 185},
      {"M1", QrVariant::kMicroQr, U"12345", 15},
      {"M4", QrVariant::kMicroQr, std::u32string(15, U'z'), 21},
  };
  constexpr const char* kFinder[7] = {"1111111", "1000001", "1011101", "1011101",
                                      "1011101", "1000001", "1111111"};
  for (const LayoutRow& row : rows) {
    std::string modules = "stale";
    QrModuleString(row.data, modules, row.variant);
    const int side = row.side;
    const int margin = QrQuietZone(row.variant);
    ASSERT_EQ(modules.size(), std::size_t(side * side)) << row.source;
    EXPECT_EQ(modules.find_first_not_of("01"), std::string::npos) << row.source;
    EXPECT_EQ(modules.find('1'), std::size_t(margin * side + margin)) << row.source;
    EXPECT_LT(modules.rfind('1'), std::size_t(side * (side - margin))) << row.source;
    for (int r = 0; r < side; ++r) {
      for (int m = 0; m < margin; ++m) {
        EXPECT_EQ(ModuleAt(modules, side, r, m), '0') << row.source << " row " << r;
        EXPECT_EQ(ModuleAt(modules, side, r, side - 1 - m), '0') << row.source << " row " << r;
      }
    }
    for (int r = 0; r < 7; ++r) {
      EXPECT_EQ(modules.substr(std::size_t((margin + r) * side + margin), 7), kFinder[r])
          << row.source << " finder row " << r;
    }
  }
}

TEST(QrModuleString, VersionOneHasFourQuietRowsEachEnd) {
  std::string modules;
  QrModuleString(U"A", modules, QrVariant::kQrCode);
  ASSERT_EQ(modules.size(), 841u);
  EXPECT_EQ(modules.substr(0, 116), std::string(116, '0'));
  EXPECT_EQ(modules.substr(841 - 116), std::string(116, '0'));
}

TEST(QrModuleString, DataThatCannotBeEncodedLeavesItEmpty) {
  std::string modules = "stale";
  QrModuleString(std::u32string(3000, U'a'), modules, QrVariant::kQrCode);
  EXPECT_TRUE(modules.empty());
}

}  // namespace
}  // namespace kbc
