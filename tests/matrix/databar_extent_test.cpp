// The checked image of a DataBar Expanded symbol is the one drawn, with every
// module inside it, over random element strings with composite components
// (the symbology table's property test covers the numeric kinds).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "dispatch/render_barcode.h"
#include "support/recording_target.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// Element strings of one to three fields, some with a composite component and
// some with characters Expanded cannot encode.
std::u32string RandomElementString(std::mt19937& random) {
  constexpr std::u32string_view kCharacters = U"0123456789ABCXYZabcxyz -./%?_\"$~^";
  constexpr std::u32string_view kIdentifiers[] = {U"10", U"21", U"90", U"240"};
  std::u32string data;
  const std::size_t fields = 1 + random() % 3;
  for (std::size_t field = 0; field < fields; ++field) {
    if (field > 0) data += random() % 4 == 0 ? U"|" : U"#";
    data += kIdentifiers[random() % 4];
    const std::size_t length = 1 + random() % 12;
    for (std::size_t i = 0; i < length; ++i) data.push_back(kCharacters[random() % kCharacters.size()]);
  }
  return data;
}

// With an opaque background the renderer's first rectangle is the image; every
// module lies inside it. Refused data is not drawn at all.
TEST(DataBarImage, CheckedSizeIsDrawnSize) {
  std::mt19937 random(20261207);
  int accepted = 0;
  for (int round = 0; round < 80; ++round) {
    BarcodeSettings settings = InitSettings();
    settings.symbology = kDataBarExpanded;
    settings.opaqueBackground = 1;
    settings.data = RandomElementString(random);
    SCOPED_TRACE(ToUtf8(settings.data));
    const DataCheck check = CheckBarcodeData(settings);
    test::RecordingTarget target;
    if (check) DrawOnTarget(check->layout, settings, target);
    const std::vector<test::RecordedCall> fills = target.Only("fillrect");
    if (!check) {
      EXPECT_TRUE(fills.empty());
      continue;
    }
    ASSERT_FALSE(fills.empty());
    ++accepted;
    EXPECT_EQ(fills[0].c, check->image.width);
    EXPECT_EQ(fills[0].d, check->image.height);
    for (std::size_t i = 1; i < fills.size(); ++i) {
      EXPECT_TRUE(fills[i].a + fills[i].c <= check->image.width && fills[i].b + fills[i].d <= check->image.height) << i;
    }
  }
  EXPECT_GT(accepted, 30);
}

}  // namespace
}  // namespace kbc
