// The drawing target a request's draw list is walked onto (DrawOnTarget in
// render/draw_list_targets.h): a raster canvas (PNG, JPEG, TIFF) or a PDF page
// (file or clipboard). The EPS and SVG documents have no target: their own
// walks append the list as document text.
//
// Coordinates follow the usual 2-D graphics model: user space has its origin at
// the lower left of the page with y upwards; Translate and Scale concatenate onto
// the current transform (they act on user coordinates before the previous
// transform), SaveState/RestoreState push and pop transform, colours, line width
// and the antialias and font-smoothing switches.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/draw_list.h"
#include "core/settings.h"
#include "core/types.h"

namespace kbc {

// The colour of settings components in a colour mode; an unknown mode is grey.
Colour ColourFromComponents(std::uint32_t colourMode, const ColourComponents& components);

class DrawingTarget {
 public:
  virtual ~DrawingTarget() = default;

  virtual void Translate(double tx, double ty) = 0;
  virtual void Scale(double sx, double sy) = 0;
  virtual void SaveState() = 0;
  virtual void RestoreState() = 0;

  virtual void SetFillColour(const Colour& colour) = 0;
  virtual void SetStrokeColour(const Colour& colour) = 0;
  virtual void SetLineWidth(double width) = 0;
  virtual void SetAntialias(bool on) = 0;
  virtual void SetFontSmoothing(bool on) = 0;

  virtual void FillRect(const Rect& rect) = 0;
  // The dark modules of one row of a module grid, each as FillRect fills it.
  virtual void FillModules(const DrawList& list, const DrawList::ModuleRow& row) {
    ForEachDarkModule(list, row, [this](const Rect& module) { FillRect(module); });
  }
  virtual void StrokeRect(const Rect& rect) = 0;
  virtual void StrokeSegment(Point from, Point to) = 0;
  // A convex polygon, its corners in order.
  virtual void FillPolygon(std::span<const Point> corners) = 0;
  // A disc of `radius` less the concentric disc of `hole` radius (0: none).
  virtual void FillRing(Point centre, double radius, double hole) = 0;

  // Draws one line of text in the current fill colour with its baseline origin at
  // `origin` (user space). A size of 0 means 12 points. A font name that matches
  // no installed font still draws, in a fallback font.
  virtual void DrawText(std::u32string_view text, Point origin, std::u32string_view fontName,
                        double fontSize) = 0;

  // Typographic width and line height of a text line as DrawText would draw it.
  virtual TextMetrics MeasureText(std::u32string_view text, std::u32string_view fontName, double fontSize) = 0;
};

}  // namespace kbc
