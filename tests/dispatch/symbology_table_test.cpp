// Properties of the symbology table over every row: names, renderers, and for
// random data that the image a renderer draws is the one the data check
// reports, with every bar or module inside it, and that refusals say why.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>
#include <string>

#include "core/settings.h"
#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "dispatch/render_barcode.h"
#include "support/fixed_format_data.h"
#include "support/recording_target.h"

namespace kbc {
namespace {

TEST(SymbologyTable, NamesAreUniqueExactAndRoundTrip) {
  std::set<std::string_view> names;
  for (SymbologyType code = 0; code <= kSymbologyCount + 1; ++code) {
    std::u32string name;
    AppendSymbologyName(name, code);
    EXPECT_EQ(SymbologyFromName(name), code <= kSymbologyCount ? code : 0) << code;  // 0 and the code after the last append nothing
    if (code == 0 || code > kSymbologyCount) continue;
    EXPECT_FALSE(kSymbologies[code].name.empty()) << code;
    EXPECT_TRUE(names.insert(kSymbologies[code].name).second) << kSymbologies[code].name;
  }
  EXPECT_TRUE(kSymbologies[0].name.empty());
  const std::pair<std::u32string_view, SymbologyType> rows[] = {
      {U"EAN-13", 1},      {U"ean-13", 0},   {U"EAN13", 0},     {U" EAN-13", 0},
      {U"UPC-A", 9},       {U"QRCode", 30},  {U"Databar-StackedOmnidirectional", 40}, {U"Telepen", 43},
      {U"Aztec", 44},      {U"PLANET", 65},  {U"DotCode", 67},
      {U"PDF417-Compact", 68}, {U"Code-16K", 69}, {U"UPNQR", 75},
      {U"Korea-Post", 76}, {U"Flattermarken", 81}, {U"GS1-128-Composite", 82}, {U"EAN-13-Composite", 83}, {U"UPC-E-Composite", 86}, {U"Databar-Omnidirectional-Composite", 87},
      {U"HIBC-Codablock-F", 88}, {U"Databar-Truncated-Composite", 89}, {U"Databar-Limited-Composite", 92},
      {U"Databar-Expanded-Stacked", kSymbologyCount},
  };
  for (const auto& [name, code] : rows) EXPECT_EQ(SymbologyFromName(name), code);
}

// Random text biased towards what each shape keeps: digits, letters, the
// printable ASCII set and a few bytes beyond it.
std::u32string RandomData(std::mt19937& rng) {
  static constexpr std::u32string_view kAlphabets[] = {
      U"0123456789",
      U"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ",
      U" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~",
      U"0123456789-. abcdABCD\u00e9\u00fc\u0001\u001d",
      U"ABCDabcd",  // Codabar start and stop letters, FIM marks
      U"DAFTdaft",  // DAFT's bar states
  };
  // Half the requests are digits alone: many symbologies take nothing else.
  const std::u32string_view alphabet = rng() % 2 == 0 ? kAlphabets[0] : kAlphabets[rng() % std::size(kAlphabets)];
  const std::size_t lengths[] = {1, 2, 5, 7, 8, 11, 12, 13, 14, 18, 20, 25, 29, 31, 40, 90};
  const std::size_t length = lengths[rng() % std::size(lengths)];
  std::u32string data;
  for (std::size_t i = 0; i < length; ++i) data.push_back(alphabet[rng() % alphabet.size()]);
  return data;
}

std::u32string RandomAddOn(std::mt19937& rng) {
  std::u32string addon(rng() % 7, U'0');
  for (char32_t& c : addon) c = char32_t(U'0' + rng() % 10);
  return addon;
}

TEST(SymbologyTable, RenderersDrawTheCheckedImageAndFillOnlyInside) {
  for (SymbologyType code = 1; code <= kSymbologyCount; ++code) {
    const SymbologyRow& row = kSymbologies[code];
    std::mt19937 rng(20261207 + code);
    int drawn = 0;
    for (int attempt = 0; attempt < 300; ++attempt) {
      BarcodeSettings settings = InitSettings();
      settings.symbology = code;
      const std::optional<std::string> fixed = test::RandomFixedFormatData(row.name, rng);
      settings.data = fixed && attempt % 2 == 0 ? std::u32string(fixed->begin(), fixed->end()) : RandomData(rng);
      settings.addon = RandomAddOn(rng);
      settings.trim = double(rng() % 101);
      settings.showText = row.printsText ? 1 : 0;
      settings.opaqueBackground = 1;
      ShapeDataForType(settings);
      const DataCheck check = CheckBarcodeData(settings);
      const std::string data(settings.data.begin(), settings.data.end());
      if (!check) {
        EXPECT_FALSE(check.refusal.empty()) << row.name << " refuses \"" << data << "\" without a reason";
        continue;
      }
      const Rect& image = check->image;
      ++drawn;
      test::RecordingTarget target;
      DrawOnTarget(check->layout, settings, target);
      auto fills = target.Only("fillrect");
      ASSERT_FALSE(fills.empty()) << row.name;
      // Hexagons and rings are recorded by the boxes that hold them.
      for (const std::string shape : {"fillpolygon", "fillring"}) std::ranges::copy(target.Only(shape), std::back_inserter(fills));
      // The opaque background comes first and is the image the check sized.
      const test::RecordedCall& background = fills[0];
      ASSERT_TRUE(background.a == 0 && background.b == 0 && background.c == image.width &&
                  background.d == image.height)
          << row.name << " data \"" << data << "\" draws " << background.c << " x " << background.d << ", checked "
          << image.width << " x " << image.height;
      for (const test::RecordedCall& r : fills) {
        const bool inside = r.a >= 0 && r.b >= 0 && r.a + r.c <= image.width && r.b + r.d <= image.height;
        ASSERT_TRUE(inside) << row.name << " data \"" << data << "\" fills (" << r.a << ", " << r.b << ", " << r.c
                            << ", " << r.d << ") outside " << image.width << " x " << image.height;
      }
    }
    EXPECT_GT(drawn, 10) << row.name << ": too few random requests could be drawn to say anything";
  }
}

}  // namespace
}  // namespace kbc
