// The matrix frame: module placement for square, row-by-row and uneven rows.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "matrix/matrix_frame.h"
#include "support/recording_target.h"

namespace kbc {
namespace {

// Every '1' becomes one module rectangle (x, y, width, height); the top row of
// the grid is the top of the image, whose height is the sum of the rows'.
TEST(RenderMatrixSymbol, ModulePlacement) {
  const struct {
    const char* source;
    ModuleGrid grid;
    std::vector<std::array<double, 4>> modules;  // in drawing order
  } rows[] = {
      {"square 3 × 3 symbol, 3 units per module: the diagonal from top left; only '1' is dark",
       {3, 3, "1x0010 01", 3, 3, {}},
       {{0, 6, 3, 3}, {3, 3, 3, 3}, {6, 0, 3, 3}}},
      {"2 rows of 4 modules of 1 × 2 units: the row length is the grid's columns",
       {4, 2, "10010110", 1, 2, {}},
       {{0, 2, 1, 2}, {3, 2, 1, 2}, {1, 0, 1, 2}, {2, 0, 1, 2}}},
      {"rows of their own heights, top first: 5 units over 1", {2, 2, "1001", 1, 1, {5, 1}},
       {{0, 1, 1, 5}, {1, 0, 1, 1}}},
      {"modules beyond the last row are not drawn", {2, 1, "1111", 1, 1, {}}, {{0, 0, 1, 1}, {1, 0, 1, 1}}},
  };
  for (const auto& row : rows) {
    test::RecordingTarget target;
    BarcodeSettings settings = InitSettings();
    EncodedSymbol symbol;
    symbol.grid = row.grid;
    test::RenderOnto(target, RenderMatrixSymbol, settings, symbol);
    std::vector<std::array<double, 4>> drawn;
    for (const test::RecordedCall& fill : target.Only("fillrect")) drawn.push_back({fill.a, fill.b, fill.c, fill.d});
    EXPECT_EQ(drawn, row.modules) << row.source;
  }
}

}  // namespace
}  // namespace kbc
