// The matrix frame: module placement for square and row-by-row symbols.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "matrix/matrix_frame.h"
#include "support/recording_target.h"

namespace kbc {
namespace {

// Every '1' becomes one module rectangle (x, y, width, height); the top row of
// the string is the top of the image, whose height comes from the size query.
TEST(RenderMatrixSymbol, ModulePlacement) {
  const struct {
    const char* source;
    MatrixSymbology symbology;
    std::vector<std::array<double, 4>> modules;  // in drawing order
  } rows[] = {
      {"square 3 × 3 symbol, 3 units per module: the diagonal from top left; only '1' is dark",
       {3, 3, true, [](std::u32string_view) { return MatrixSize{3, 3}; },
        [](std::u32string_view, ModuleString& out) { out.append("1x0010 01"); }},
       {{0, 6, 3, 3}, {3, 3, 3, 3}, {6, 0, 3, 3}}},
      {"2 rows of 4 modules of 1 × 2 units: the row length comes from the size query",
       {1, 2, false, [](std::u32string_view) { return MatrixSize{4, 2}; },
        [](std::u32string_view, ModuleString& out) { out.append("10010110"); }},
       {{0, 2, 1, 2}, {3, 2, 1, 2}, {1, 0, 1, 2}, {2, 0, 1, 2}}},
  };
  for (const auto& row : rows) {
    test::RecordingTarget target;
    BarcodeSettings settings = InitSettings();
    settings.data.push_back(U'x');
    RenderMatrixSymbol(&target, settings, row.symbology);
    std::vector<std::array<double, 4>> drawn;
    for (const test::RecordedCall& fill : target.Only("fillrect")) drawn.push_back({fill.a, fill.b, fill.c, fill.d});
    EXPECT_EQ(drawn, row.modules) << row.source;
  }
}

}  // namespace
}  // namespace kbc
