// A drawing target that records every call, for checking what renderers and the
// placement put on a graphics context.
#pragma once

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "core/draw_list.h"
#include "core/symbology.h"
#include "render/draw_list_targets.h"
#include "render/drawing_target.h"

namespace kbc::test {

struct RecordedCall {
  std::string op;  // "translate", "scale", "save", "restore", "fill", "stroke", "fillrect", "text", ...
  double a = 0, b = 0, c = 0, d = 0;
  Colour colour{};
  std::u32string text;
};

class RecordingTarget final : public DrawingTarget {
 public:
  std::vector<RecordedCall> calls;
  bool antialias = true;

  void Translate(double tx, double ty) override { Add("translate", tx, ty); }
  void Scale(double sx, double sy) override { Add("scale", sx, sy); }
  void SaveState() override { Add("save"); }
  void RestoreState() override { Add("restore"); }
  void SetFillColour(const Colour& colour) override { Add("fill", 0, 0, 0, 0, colour); }
  void SetStrokeColour(const Colour& colour) override { Add("stroke", 0, 0, 0, 0, colour); }
  void SetLineWidth(double width) override { Add("linewidth", width); }
  void SetAntialias(bool on) override { Add("antialias", antialias = on); }
  void SetFontSmoothing(bool on) override { Add("smoothing", on); }
  void FillRect(const Rect& r) override { Add("fillrect", r.x, r.y, r.width, r.height); }
  void StrokeRect(const Rect& r) override { Add("strokerect", r.x, r.y, r.width, r.height); }
  void StrokeSegment(Point from, Point to) override { Add("segment", from.x, from.y, to.x, to.y); }
  // Recorded by the box that holds the shape, as a filled rectangle would be.
  void FillPolygon(std::span<const Point> corners) override {
    double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    for (const Point& p : corners) {
      x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    Add("fillpolygon", x0, y0, x1 - x0, y1 - y0);
  }
  void FillRing(Point centre, double radius, double hole) override {
    Add("fillring", centre.x - radius, centre.y - radius, 2 * radius, 2 * radius);
    calls.back().text = hole > 0 ? U"hole" : U"";
  }
  void DrawText(std::u32string_view text, Point origin, std::u32string_view, double) override {
    Add("text", origin.x, origin.y);
    calls.back().text = std::u32string(text);
  }
  TextMetrics MeasureText(std::u32string_view text, std::u32string_view, double fontSize) override {
    return {double(text.size()) * fontSize * 0.5, fontSize * 1.2};
  }

  void Add(std::string op, double a = 0, double b = 0, double c = 0, double d = 0, const Colour& colour = {}) {
    calls.push_back({std::move(op), a, b, c, d, colour, {}});
  }

  std::vector<RecordedCall> Only(const std::string& op) const {
    std::vector<RecordedCall> found;
    std::ranges::copy_if(calls, std::back_inserter(found), [&op](const RecordedCall& call) { return call.op == op; });
    return found;
  }
};

// What a renderer's layout puts on a target, walked as the writers walk it.
inline void RenderOnto(DrawingTarget& target, Renderer render, const BarcodeSettings& settings,
                       const EncodedSymbol& symbol) {
  DrawList list;
  render(list, settings, symbol);
  DrawOnTarget(list, settings, target);
}

}  // namespace kbc::test
