// Placement of the drawing in a target, and what the linear frame puts on it.
#include <gtest/gtest.h>

#include "core/symbology.h"
#include "dispatch/render_barcode.h"
#include "support/recording_target.h"

namespace kbc {
namespace {

using test::RecordingTarget;

struct PlacementRow {
  int mode;
  bool drawable;
  double W, H, w, h;
  Placement expected;
};

TEST(Placement, ModesTheFrontEndAndNewRequestsUse) {
  const float k = 1;
  const PlacementRow rows[] = {
      {3, true, 0, 0, 113, 80, {0, 0, 1, 1}},
      {3, false, 0, 0, 0, 0, {0, 50, 1, -1}},
      // The default of a new request, for callers that give a target size.
      {0, true, 300, 200, 113, 60, {94, 130, 1, -1}},  // rint(93.5) is 94: halves go to even
      {0, false, 300, 200, 0, 0, {50, 75, 1, 1}},
  };
  for (const PlacementRow& row : rows) {
    const Placement p = PlacementFor(std::int16_t(row.mode), row.drawable, row.W, row.H, row.w, row.h, k);
    EXPECT_EQ(p.tx, row.expected.tx) << "mode " << row.mode << " drawable " << row.drawable;
    EXPECT_EQ(p.ty, row.expected.ty) << "mode " << row.mode << " drawable " << row.drawable;
    EXPECT_EQ(p.sx, row.expected.sx) << "mode " << row.mode;
    EXPECT_EQ(p.sy, row.expected.sy) << "mode " << row.mode;
  }
  EXPECT_FLOAT_EQ(ScaleFactor(150.9), 1.5f);
}

BarcodeSettings Ean13(std::int16_t mode) {
  BarcodeSettings s = InitSettings();
  s.data = U"590123412345";
  s.placementMode = mode;
  return s;
}

TEST(LinearFrame, BackgroundColoursAndSwitchesOnTheTarget) {
  BarcodeSettings s = Ean13(3);
  s.opaqueBackground = 1;
  s.antialiasOff = 1;
  s.colourMode = 3;  // unknown modes draw in grey from components 1 and 2
  s.foreground = {0.2, 0.9, 0, 0, 0};
  RecordingTarget target;
  RenderBarcode(target, s, 0, 0);
  const auto colours = target.Only("fill");
  EXPECT_EQ(colours[1].colour.space, ColourSpace::Grey);
  EXPECT_EQ(colours[1].colour.c[0], 0.2);
  EXPECT_EQ(colours[1].colour.alpha, 0.9);
  EXPECT_TRUE(target.antialias);  // switched back on when the renderer returns
  bool sawOff = false;
  for (const auto& call : target.Only("antialias")) sawOff |= call.a == 0;
  EXPECT_TRUE(sawOff);

  RecordingTarget transparent;
  BarcodeSettings t = Ean13(3);
  RenderBarcode(transparent, t, 0, 0);
  EXPECT_NE(transparent.Only("fillrect").front().a, 0);  // no background: the first rectangle is a bar at x 11
}

}  // namespace
}  // namespace kbc
