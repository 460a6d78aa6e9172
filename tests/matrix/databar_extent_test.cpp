// The checked image of a DataBar symbol is the one drawn, with every module
// inside it, over random data (composite components among it).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "check/validate.h"
#include "core/symbology.h"
#include "dispatch/render_barcode.h"
#include "platform/utf8.h"
#include "support/recording_target.h"

namespace kbc {
namespace {

// Random numbers of 1 to 14 digits (Limited's above its maximum among them), and
// element strings of one to three fields, some with a composite component and
// some with characters Expanded cannot encode.
std::u32string RandomData(SymbologyType type, std::mt19937& random) {
  std::u32string data;
  if (type != kDataBarExpanded) {
    const std::size_t length = 1 + random() % 14;
    for (std::size_t i = 0; i < length; ++i) data.push_back(U'0' + char32_t(random() % 10));
    return data;
  }
  constexpr std::u32string_view kCharacters = U"0123456789ABCXYZabcxyz -./%?_\"$~^";
  constexpr std::u32string_view kIdentifiers[] = {U"10", U"21", U"90", U"240"};
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
  for (SymbologyType type = kDataBarOmnidirectional; type <= kDataBarExpanded; ++type) {
    for (int round = 0; round < 40; ++round) {
      BarcodeSettings settings = InitSettings();
      settings.symbology = type;
      settings.opaqueBackground = 1;
      settings.data = RandomData(type, random);
      SCOPED_TRACE(std::string(SymbologyName(type)) + " " + ToUtf8(settings.data));
      const DataCheck check = CheckBarcodeData(settings);
      const std::optional<Rect>& rect = check.image;
      test::RecordingTarget target;
      DrawCheckedSymbol(&target, settings, check);
      const std::vector<test::RecordedCall> fills = target.Only("fillrect");
      if (!rect) {
        EXPECT_TRUE(fills.empty());
        continue;
      }
      ASSERT_FALSE(fills.empty());
      ++accepted;
      EXPECT_EQ(fills[0].c, rect->width);
      EXPECT_EQ(fills[0].d, rect->height);
      for (std::size_t i = 1; i < fills.size(); ++i) {
        EXPECT_TRUE(fills[i].a + fills[i].c <= rect->width && fills[i].b + fills[i].d <= rect->height) << i;
      }
    }
  }
  EXPECT_GT(accepted, 150);
}

}  // namespace
}  // namespace kbc
