// The matrix frame: module placement for square and row-by-row symbols.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matrix/matrix_frame.h"
#include "support/recording_target.h"

namespace kbc {
namespace {

struct FrameRow {
  const char* source;
  MatrixSymbology symbology;
  std::vector<Rect> modules;  // expected rectangles in drawing order
};

// Every '1' becomes one module rectangle; the top row of the string is the top
// of the image, whose height comes from the size query.
TEST(RenderMatrixSymbol, ModulePlacement) {
  const FrameRow rows[] = {
      {"square 3 × 3 symbol, 3 units per module: the diagonal from top left",
       {3, 3, true, [](std::u32string_view) { return MatrixSize{3, 3}; },
        [](std::u32string_view, ModuleString& out) { out.append("100010001"); }},
       {{0, 6, 3, 3}, {3, 3, 3, 3}, {6, 0, 3, 3}}},
      {"2 rows of 4 modules of 1 × 2 units: the row length comes from the size query",
       {1, 2, false, [](std::u32string_view) { return MatrixSize{4, 2}; },
        [](std::u32string_view, ModuleString& out) { out.append("10010110"); }},
       {{0, 2, 1, 2}, {3, 2, 1, 2}, {1, 0, 1, 2}, {2, 0, 1, 2}}},
      {"only '1' is dark",
       {3, 3, true, [](std::u32string_view) { return MatrixSize{2, 2}; },
        [](std::u32string_view, ModuleString& out) { out.append("0x 2"); }},
       {}},
  };
  for (const FrameRow& row : rows) {
    test::RecordingTarget target;
    BarcodeSettings settings = InitSettings();
    settings.data.push_back(U'x');
    RenderMatrixSymbol(&target, settings, row.symbology);
    const std::vector<test::RecordedCall> fills = target.Only("fillrect");
    ASSERT_EQ(fills.size(), row.modules.size()) << row.source;
    for (std::size_t i = 0; i < fills.size(); ++i) {
      const Rect& expected = row.modules[i];
      EXPECT_EQ(fills[i].a, expected.x) << row.source << " module " << i;
      EXPECT_EQ(fills[i].b, expected.y) << row.source << " module " << i;
      EXPECT_EQ(fills[i].c, expected.width) << row.source << " module " << i;
      EXPECT_EQ(fills[i].d, expected.height) << row.source << " module " << i;
    }
  }
}

}  // namespace
}  // namespace kbc
