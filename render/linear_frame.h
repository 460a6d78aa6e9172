// The routine shape shared by every linear renderer: colours and background,
// documents begun and ended, bars and text items put on all present targets
// (the drawing target when there is one, and the EPS and SVG documents).
#pragma once

#include <span>
#include <string_view>

#include "core/settings.h"
#include "core/types.h"
#include "render/drawing_target.h"

namespace kbc {

// A ModulePattern: one character per module, '1' dark, anything else light.
using ModulePattern = std::string_view;

struct LinearFrame {
  DrawingTarget* target = nullptr;
  const BarcodeSettings* settings = nullptr;
  double width = 0;          // image width W in units
  double height = 0;         // image height H in units
  double groupFontSize = 0;  // font size of the current text group
};

// Sets the colours, fills the background when it is opaque, applies the
// antialias and font-smoothing switches, and begins both documents with the
// image rectangle (0, 0, width, height).
LinearFrame BeginLinearFrame(DrawingTarget* target, const BarcodeSettings& settings, double width, double height);

// Switches antialiasing and font smoothing back on and ends both documents.
void EndLinearFrame(const LinearFrame& frame);

// One bar rectangle on every present target.
void FillBar(const LinearFrame& frame, const Rect& bar);

// One pattern of a run of patterns, with the bottom and top of its bars.
struct PatternSpan {
  ModulePattern pattern;
  double bottom = 0;
  double top = 0;
};

// Draws the patterns from x, one module per character; every maximal run of '1'
// inside one pattern is one bar (a run never continues into the next pattern).
// Returns the x after the last module.
double FillModuleRuns(const LinearFrame& frame, double x, std::span<const PatternSpan> patterns);

// Starts a group of text items drawn at one font size (EPS gets a font change;
// the SVG text keeps the full font size).
void BeginTextGroup(LinearFrame& frame, double fontSize);

// One text item with its baseline at whole-number (x, y); in SVG at H − y.
void DrawTextItem(const LinearFrame& frame, int x, int y, std::u32string_view text);

}  // namespace kbc
