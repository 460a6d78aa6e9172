// A bitmap canvas of our own: 8 bits per component in grey, RGB or CMYK,
// rows stored top to bottom without padding, every pixel white at the start.
//
// Shapes are composited source-over in one solid colour with its alpha. With
// antialiasing on, a pixel takes the exact fraction of its area that a
// rectangle or stroked segment covers; with it off, a pixel is painted when
// its centre lies inside the shape. The transform only ever translates and
// scales (possibly by negative factors), so axis-aligned shapes stay
// axis-aligned on the device and their coverage is computed in closed form.
#pragma once

#include <bit>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/device_colour.h"
#include "canvas/text_layout.h"
#include "render/drawing_target.h"

namespace kbc {

// A rectangle on the device by its edges, y downwards from the top row; empty
// (and so covering nothing) unless x0 < x1 and y0 < y1.
struct DeviceBox {
  double x0 = 0;
  double y0 = 0;
  double x1 = 0;
  double y1 = 0;

  bool Empty() const { return !(x0 < x1) || !(y0 < y1); }
  // The area of the pixel (x, row) inside the box.
  double CoverageOf(int x, int row) const;
  bool HoldsCentreOf(int x, int row) const;
};

// Whole pixels: columns [left, right) of rows [top, bottom).
struct PixelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class RasterCanvas final : public DrawingTarget {
 public:
  // User space starts with its origin at the lower-left corner, one unit per pixel.
  RasterCanvas(int width, int height, PixelFormat format);

  int Width() const { return width_; }
  int Height() const { return height_; }
  PixelFormat Format() const { return format_; }
  int Channels() const { return ChannelsOf(format_); }
  // All rows from the top, Width() * Channels() bytes each.
  std::span<const std::uint8_t> Pixels() const;
  // The components of one pixel; row 0 is the top row.
  std::span<const std::uint8_t> PixelAt(int x, int row) const;
  // Whether some text was not drawn because no font at all could be loaded.
  bool TextLackedFont() const { return textLackedFont_; }

  // With joined fills on, antialiased rectangles filled one after another in
  // one colour add up their coverage per pixel and are composited once, so
  // modules that share an edge on a fractional pixel leave no lighter seam.
  void SetJoinedFills(bool on);
  // With whole-pixel fills on, rectangles and translations are rounded to
  // pixel edges: a drawing laid out in whole dots keeps every edge sharp.
  // Text is drawn as before.
  void SetWholePixelFills(bool on) { wholePixelFills_ = on; }

  void Translate(double tx, double ty) override;
  void Scale(double sx, double sy) override;
  void SaveState() override;
  void RestoreState() override;

  void SetFillColour(const Colour& colour) override;
  void SetStrokeColour(const Colour& colour) override;
  void SetLineWidth(double width) override;
  void SetAntialias(bool on) override;
  void SetFontSmoothing(bool on) override;

  void FillRect(const Rect& rect) override;
  void FillModules(const DrawList& list, const DrawList::ModuleRow& row) override;
  void StrokeRect(const Rect& rect) override;
  void StrokeSegment(Point from, Point to) override;
  void FillPolygon(std::span<const Point> corners) override;
  void FillRing(Point centre, double radius, double hole) override;
  void DrawText(std::u32string_view text, Point origin, std::u32string_view fontName, double fontSize) override;
  TextMetrics MeasureText(std::u32string_view text, std::u32string_view fontName, double fontSize) override;

 private:
  // Device x = sx * x + tx, device y (downwards from the top row) = sy * y + ty.
  struct Transform {
    double sx = 1;
    double tx = 0;
    double sy = -1;
    double ty = 0;
  };
  // A colour as this canvas stores it: bytes in the pixel format plus alpha.
  struct Paint {
    std::array<std::uint8_t, 4> value{};
    double alpha = 1;
  };
  struct State {
    Transform transform;
    Paint fill;
    Paint stroke;
    double lineWidth = 1;
    bool antialias = true;
    bool fontSmoothing = true;
  };

  Paint PaintOf(const Colour& colour) const;
  // Inline: every module of a 2-D symbol passes through it twice.
  Point ToDevice(Point user) const {
    return {state_.transform.sx * user.x + state_.transform.tx, state_.transform.sy * user.y + state_.transform.ty};
  }
  // Fills the user-space rectangle between two corners.
  void FillUserBox(Point a, Point b, const Paint& paint);
  // Fills a device rectangle less a hole inside it (an empty hole leaves it whole).
  void FillDeviceFrame(const DeviceBox& box, const DeviceBox& hole, const Paint& paint);
  void FillDeviceQuad(const std::array<Point, 4>& quad, const Paint& paint);
  // A line's size in 26.6 pixels per em, and whether the face has been set to it.
  struct GlyphSize {
    long width = 0;
    long height = 0;
    bool set = false;
  };
  void DrawGlyph(const FontFace& font, GlyphSize& size, std::uint32_t glyph, Point deviceOrigin, const Paint& paint);
  // Renders a glyph with FreeType and adds it to the glyph cache.
  std::optional<GlyphBitmap> RenderGlyph(const FontFace& font, GlyphSize& size, const GlyphRequest& request);
  void Blend(int x, int row, const Paint& paint, double coverage) const;
  void AddJoinedCoverage(const DeviceBox& box, const Paint& paint);
  // Whether the box was taken into the gathered whole-pixel boxes.
  bool ExtendRun(const DeviceBox& box, const Paint& paint);
  // Composites the coverage and the boxes gathered so far; every other drawing
  // operation and every read of the pixels does this first.
  void FlushJoinedFills() const;

  int width_;
  int height_;
  PixelFormat format_;
  mutable std::vector<std::uint8_t> pixels_;
  State state_;
  bool joinFills_ = false;
  bool wholePixelFills_ = false;
  mutable std::vector<float> joined_;  // coverage per pixel, while fills are joined
  mutable bool joinedPending_ = false;
  Paint joinedPaint_;
  mutable DeviceBox joinedBounds_;
  // Whole-pixel boxes are gathered before they are filled, with the joined
  // fills: boxes side by side along the same rows join into one span, the
  // spans of one row make a band, and a row of the same spans in the same
  // paint just below or above a band widens it (a symbol drawn as rows of
  // one-module-high modules repeats its rows). The gathered boxes do not overlap and
  // bands are filled in the order they were drawn, so the pixels come out as
  // they would box by box.
  struct Span {
    int left = 0;
    int right = 0;
  };
  struct Band {
    int top = 0;
    int bottom = 0;
    Paint paint;
    std::vector<Span> spans;  // left to right; none: no band
  };
  static bool SamePaint(const Paint& a, const Paint& b) {
    return std::bit_cast<std::uint32_t>(a.value) == std::bit_cast<std::uint32_t>(b.value) && a.alpha == b.alpha;
  }
  // Ends the row being gathered: it widens the band held, or the band held
  // is filled and the row held in its place.
  void EndRow() const;
  void FillBand(const Band& band) const;
  mutable Band row_;
  mutable Band held_;
  std::vector<State> saved_;
  static FontLibrary& Fonts();

  bool textLackedFont_ = false;
};

}  // namespace kbc
