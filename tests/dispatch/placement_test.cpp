// What the linear frame puts on a drawing target.
#include <gtest/gtest.h>

#include "core/symbology.h"
#include "dispatch/render_barcode.h"
#include "support/recording_target.h"

namespace kbc {
namespace {

using test::RecordingTarget;

BarcodeSettings Ean13() {
  BarcodeSettings s = InitSettings();
  s.data = U"590123412345";
  return s;
}

void Render(DrawingTarget& target, const BarcodeSettings& settings) {
  const DataCheck check = CheckBarcodeData(settings);
  ASSERT_TRUE(check) << check.refusal;
  RenderBarcode(target, settings, *check);
}

TEST(LinearFrame, BackgroundColoursAndSwitchesOnTheTarget) {
  BarcodeSettings s = Ean13();
  s.opaqueBackground = 1;
  s.antialiasOff = 1;
  s.colourMode = 3;  // unknown modes draw in grey from components 1 and 2
  s.foreground = {0.2, 0.9, 0, 0, 0};
  RecordingTarget target;
  Render(target, s);
  const auto colours = target.Only("fill");
  EXPECT_EQ(colours[1].colour.space, ColourSpace::Grey);
  EXPECT_EQ(colours[1].colour.c[0], 0.2);
  EXPECT_EQ(colours[1].colour.alpha, 0.9);
  EXPECT_TRUE(target.antialias);  // switched back on when the renderer returns
  bool sawOff = false;
  for (const auto& call : target.Only("antialias")) sawOff |= call.a == 0;
  EXPECT_TRUE(sawOff);

  RecordingTarget transparent;
  Render(transparent, Ean13());
  EXPECT_NE(transparent.Only("fillrect").front().a, 0);  // no background: the first rectangle is a bar at x 11
}

}  // namespace
}  // namespace kbc
