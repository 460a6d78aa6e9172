// Pharmacode bars from the value, their widths, and zint's one-track symbol.
#include "linear/pharmacode.h"

#include <gtest/gtest.h>

#include "core/symbology.h"
#include "support/recording_target.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

TEST(Pharmacode, BarsFromTheValue) {
  const struct {
    const char* source;
    long long value;
    std::string bars;
    int barsWidth;
  } rows[] = {
      {"3: two narrow bars at 0 and 3", 3, "00", 4},
      {"12: wide (v 5), narrow (v 2), wide (v 0) at 0, 5, 8", 12, "101", 11},
      {"0 still makes one wide bar", 0, "1", 3},
      {"131070: sixteen wide bars", 131070, std::string(16, '1'), 78},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(PharmacodeBars(row.value), row.bars) << row.source;
    EXPECT_EQ(ModuleCount(PharmacodeElements(row.bars)), row.barsWidth) << row.source;
  }
}

// Pharmacode 12: W = max(11, 2 x 7); the bars stand on 13 of 25; data of 10
// characters keeps its last 9.
TEST(Pharmacode, LayoutWithText) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kPharmacode;
  settings.data = U"12";
  settings.showText = 1;
  test::RecordingTarget target;
  RenderPharmacode(&target, settings);
  const std::vector<test::RecordedCall> bars = target.Only("fillrect");
  ASSERT_EQ(bars.size(), 3u);
  EXPECT_TRUE(bars[0].a == 0 && bars[1].a == 5 && bars[2].a == 8);
  for (const test::RecordedCall& bar : bars) EXPECT_TRUE(bar.b == 13 && bar.d == 12);
  EXPECT_EQ(PharmacodeDigits(U"1234567890"), U"234567890");
}

TEST(Pharmacode, ModulesMatchZint) {
  for (const long long value : {3LL, 12LL, 91LL, 1234LL, 131070LL}) {
    const std::vector<std::string> rows = test::ZintModuleRows({"-b", "51", "-d", std::to_string(value)});
    ASSERT_EQ(rows.size(), 1u) << value;
    const std::string ours = test::ElementsAsModules(PharmacodeElements(PharmacodeBars(value)));
    EXPECT_EQ(rows[0].substr(0, ours.size()), ours) << value;
    EXPECT_EQ(rows[0].find('1', ours.size()), std::string::npos) << value;
  }
}

}  // namespace
}  // namespace kbc
