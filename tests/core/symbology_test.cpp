#include <gtest/gtest.h>

#include "core/symbology.h"
#include "core/settings.h"

namespace kbc {
namespace {

TEST(Registry, EveryNameMapsBackToItsCode) {
  for (SymbologyType code = 0; code <= kSymbologyCount + 1; ++code) {
    std::u32string name;
    AppendSymbologyName(name, code);
    EXPECT_EQ(SymbologyFromName(name), code <= kSymbologyCount ? code : 0) << code;  // 0 and 44 append nothing
  }
  const std::pair<std::u32string_view, SymbologyType> rows[] = {
      {U"EAN-13", 1},      {U"ean-13", 0},   {U"EAN13", 0},     {U" EAN-13", 0},
      {U"UPC-A", 9},       {U"QRCode", 30},  {U"Databar-StackedOmnidirectional", 40}, {U"Telepen", 43},
  };
  for (const auto& [name, code] : rows) EXPECT_EQ(SymbologyFromName(name), code);
}

TEST(Registry, TypesThatCutAtTheFirstSpace) {
  for (SymbologyType code = 0; code <= 45; ++code) {
    const bool cuts = code == 0 || code == 1 || code == 9 || code == 16 || code == 18 || code == 19 || code > 43;
    EXPECT_EQ(SymbologyRowOf(code).shape.spaces, cuts ? Spaces::CutAtFirst : Spaces::Keep) << code;
  }
}

}  // namespace
}  // namespace kbc
