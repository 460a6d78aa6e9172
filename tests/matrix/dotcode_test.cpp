// DotCode: no reader here reads it, so libzint's dot grid is compared with
// bwip-js's, an independent encoder, for the same data and columns; and each
// dark cell is drawn as one dot inside the symbol.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "core/settings.h"
#include "matrix/dotcode.h"
#include "support/npm_oracles.h"

namespace kbc::test {
namespace {

struct GridCase {
  std::string name;
  std::u32string data;
  int columns;  // 0: each encoder's own choice
  std::string bwipOptions;
};

const GridCase kGridCases[] = {
    {"Text", U"Hello DotCode 123", 0, ""},
    {"TextIn30Columns", U"Hello DotCode 123", 30, "columns=30"},
    {"Digits", U"0123456789012345", 0, ""},
    {"DigitsIn13Columns", U"0123456789012345", 13, "columns=13"},
};

void PrintTo(const GridCase& c, std::ostream* out) { *out << c.name; }

class DotCodeGrids : public testing::TestWithParam<GridCase> {};

TEST_P(DotCodeGrids, GridEqualsBwipJsAndEachDarkCellIsOneDot) {
  const GridCase& c = GetParam();
  SymbolOptions options;
  options.dotCodeColumns = c.columns;
  const Result<EncodedSymbol> ours = EncodeDotCode(c.data, U"", options);
  ASSERT_TRUE(ours) << ours.refusal;
  const ModuleGrid& grid = ours->grid;
  const std::string text(c.data.begin(), c.data.end());
  EXPECT_EQ("grid " + std::to_string(grid.columns) + " " + std::to_string(grid.rows) + " " + grid.modules,
            BwipRaw("dotcode", text, c.bwipOptions));
  if (c.columns > 0) {
    EXPECT_EQ(grid.columns, std::size_t(c.columns));
  }

  DrawList list;
  RenderDotCode(list, InitSettings(), *ours);
  std::size_t dots = 0;
  for (const DrawList::Mark& mark : list.marks) {
    const auto* dot = std::get_if<DrawList::Ring>(&mark);
    ASSERT_NE(dot, nullptr);
    EXPECT_TRUE(dot->centre.x - dot->radius >= 0 && dot->centre.x + dot->radius <= list.width &&
                dot->centre.y - dot->radius >= 0 && dot->centre.y + dot->radius <= list.height);
    ++dots;
  }
  EXPECT_EQ(dots, std::size_t(std::ranges::count(grid.modules, '1')));
}

INSTANTIATE_TEST_SUITE_P(BwipJs, DotCodeGrids, testing::ValuesIn(kGridCases),
                         [](const auto& info) { return info.param.name; });

TEST(DotCode, ColumnsTheDataCannotFitAreRefused) {
  SymbolOptions options;
  options.dotCodeColumns = 5;
  const Result<EncodedSymbol> encoded = EncodeDotCode(std::u32string(200, U'A'), U"", options);
  EXPECT_FALSE(encoded);
  EXPECT_NE(encoded.refusal.find("DotCode"), std::string::npos) << encoded.refusal;
}

}  // namespace
}  // namespace kbc::test
