#include "canvas/raster_canvas.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>

namespace kbc {
namespace {

// Largest glyph size, in pixels per em, that is still rasterised.
constexpr double kMaxPixelsPerEm = 4096;

// First and one-past-last pixel index touched by the span [from, to), clamped to [0, limit).
std::pair<int, int> TouchedRange(double from, double to, int limit) {
  const double first = std::clamp(std::floor(from), 0.0, double(limit));
  const double last = std::clamp(std::ceil(to), 0.0, double(limit));
  return {int(first), int(last)};
}

// Pixels whose centres lie in [from, to), clamped to [0, limit).
std::pair<int, int> CentredRange(double from, double to, int limit) {
  const double first = std::clamp(std::ceil(from - 0.5), 0.0, double(limit));
  const double last = std::clamp(std::ceil(to - 0.5), 0.0, double(limit));
  return {int(first), int(last)};
}

// Length of [from, to) inside the pixel [index, index + 1).
double Overlap(double from, double to, int index) {
  return std::max(0.0, std::min(to, index + 1.0) - std::max(from, double(index)));
}

// std::lround for the non-negative values a blend gives, without the library
// call: the truncation and the fraction left are both exact.
std::uint8_t RoundHalfUp(double value) {
  const auto whole = std::int64_t(value);
  return std::uint8_t(whole + (value - double(whole) >= 0.5 ? 1 : 0));
}

// One pixel of kChannels bytes painted over at a coverage, as Blend does.
template <std::size_t kChannels>
void BlendPixel(std::uint8_t* pixel, const std::array<std::uint8_t, 4>& value, double alpha, double coverage) {
  const double amount = alpha * coverage;
  if (!(amount > 0)) return;
  for (std::size_t c = 0; c < kChannels; ++c) {
    pixel[c] = amount >= 1 ? value[c] : RoundHalfUp(pixel[c] + (value[c] - pixel[c]) * amount);
  }
}

// An antialiased box without a hole, row by row: at most one partly covered
// column on each side, whose overlap is the same on every row, and full
// columns between them.
struct PlainBox {
  int left, innerLeft, innerRight, right, top, bottom;
  double leftOverlap, rightOverlap, y0, y1;
};

template <std::size_t kChannels>
void FillPlainBox(std::uint8_t* pixels, std::size_t width, const PlainBox& box,
                  const std::array<std::uint8_t, 4>& value, double alpha) {
  for (int row = box.top; row < box.bottom; ++row) {
    const double down = Overlap(box.y0, box.y1, row);
    std::uint8_t* line = pixels + std::size_t(row) * width * kChannels;
    if (box.innerLeft > box.left) {
      BlendPixel<kChannels>(line + std::size_t(box.left) * kChannels, value, alpha, box.leftOverlap * down);
    }
    std::uint8_t* pixel = line + std::size_t(box.innerLeft) * kChannels;
    if (alpha * down >= 1) {
      for (int x = box.innerLeft; x < box.innerRight; ++x, pixel += kChannels) {
        for (std::size_t c = 0; c < kChannels; ++c) pixel[c] = value[c];
      }
    } else {
      for (int x = box.innerLeft; x < box.innerRight; ++x, pixel += kChannels) BlendPixel<kChannels>(pixel, value, alpha, down);
    }
    if (box.right > box.innerRight) {
      BlendPixel<kChannels>(line + std::size_t(box.innerRight) * kChannels, value, alpha, box.rightOverlap * down);
    }
  }
}

// The plain box of a box whose edges may fall inside pixels: the partly
// covered columns on each side and the full ones between them.
PlainBox PartialPixelBox(const DeviceBox& box, int left, int right, int top, int bottom) {
  const int innerLeft = int(std::clamp(std::ceil(box.x0), double(left), double(right)));
  const int innerRight = int(std::clamp(std::floor(box.x1), double(innerLeft), double(right)));
  return {left,
          innerLeft,
          innerRight,
          right,
          top,
          bottom,
          innerLeft > left ? Overlap(box.x0, box.x1, left) : 0,
          right > innerRight ? Overlap(box.x0, box.x1, innerRight) : 0,
          box.y0,
          box.y1};
}

// Whether a value already known to lie within the image is a whole number.
bool IsWhole(double inside) { return inside == double(std::int64_t(inside)); }

// A box on whole pixels inside the image, as modules are at whole-pixel
// scales, covers its pixels fully: found without rounding.
std::optional<PixelBox> WholePixelBox(const DeviceBox& box, int width, int height) {
  if (!(box.x0 >= 0 && box.y0 >= 0 && box.x1 <= width && box.y1 <= height)) return std::nullopt;
  const PixelBox pixels{int(box.x0), int(box.y0), int(box.x1), int(box.y1)};
  if (pixels.left != box.x0 || pixels.top != box.y0 || pixels.right != box.x1 || pixels.bottom != box.y1) {
    return std::nullopt;
  }
  return pixels;
}

void FillPlainBox(int channels, std::uint8_t* pixels, std::size_t width, const PlainBox& box,
                  const std::array<std::uint8_t, 4>& value, double alpha) {
  switch (channels) {
    case 1: FillPlainBox<1>(pixels, width, box, value, alpha); return;
    case 3: FillPlainBox<3>(pixels, width, box, value, alpha); return;
    default: FillPlainBox<4>(pixels, width, box, value, alpha); return;
  }
}

// An opaque box of whole pixels: its first row filled pixel by pixel, the
// others copied from it.
template <std::size_t kChannels>
void FillOpaquePixels(std::uint8_t* pixels, std::size_t width, const PixelBox& box,
                      const std::array<std::uint8_t, 4>& value) {
  const std::size_t rowBytes = width * kChannels;
  const std::size_t runBytes = std::size_t(box.right - box.left) * kChannels;
  std::uint8_t* first = pixels + std::size_t(box.top) * rowBytes + std::size_t(box.left) * kChannels;
  for (std::size_t i = 0; i < runBytes; i += kChannels) {
    for (std::size_t c = 0; c < kChannels; ++c) first[i + c] = value[c];
  }
  for (int row = box.top + 1; row < box.bottom; ++row) {
    std::memcpy(first + std::size_t(row - box.top) * rowBytes, first, runBytes);
  }
}

// A box of whole pixels covers each of them fully: no partly covered column or row.
void FillPixelBox(int channels, std::uint8_t* pixels, std::size_t width, const PixelBox& box,
                  const std::array<std::uint8_t, 4>& value, double alpha) {
  if (alpha >= 1) {
    switch (channels) {
      case 1: FillOpaquePixels<1>(pixels, width, box, value); return;
      case 3: FillOpaquePixels<3>(pixels, width, box, value); return;
      default: FillOpaquePixels<4>(pixels, width, box, value); return;
    }
  }
  const PlainBox plain{box.left, box.left, box.right, box.right, box.top, box.bottom, 0, 0,
                       double(box.top), double(box.bottom)};
  FillPlainBox(channels, pixels, width, plain, value, alpha);
}

// A grey level's coverage, the division done once rather than per pixel.
constexpr std::array<double, 256> MakeGreyCoverage() {
  std::array<double, 256> coverage{};
  for (std::size_t level = 0; level < coverage.size(); ++level) coverage[level] = double(level) / 255.0;
  return coverage;
}
constexpr std::array<double, 256> kGreyCoverage = MakeGreyCoverage();

// The bitmap's rows or columns [first, last) that land inside [0, limit) from `origin`.
std::pair<unsigned, unsigned> InsideRange(double origin, unsigned count, int limit) {
  const double first = std::clamp(-origin, 0.0, double(count));
  const double last = std::clamp(double(limit) - origin, first, double(count));
  return {unsigned(first), unsigned(last)};
}

// A glyph's coverage blended into the pixels it falls on, from its top-left
// pixel (on whole pixels); the parts outside the image are left out.
template <std::size_t kChannels>
void BlendGlyph(std::uint8_t* pixels, int width, int height, const GlyphBitmap& bitmap, Point topLeft,
                const std::array<std::uint8_t, 4>& value, double alpha) {
  const bool mono = bitmap.pixelMode == FT_PIXEL_MODE_MONO;
  if (!mono && bitmap.pixelMode != FT_PIXEL_MODE_GRAY) return;
  const unsigned stride = unsigned(std::abs(bitmap.pitch));
  const auto [firstRow, lastRow] = InsideRange(topLeft.y, bitmap.rows, height);
  const auto [firstColumn, lastColumn] = InsideRange(topLeft.x, bitmap.width, width);
  for (unsigned r = firstRow; r < lastRow; ++r) {
    const unsigned char* line = bitmap.buffer.data() + (bitmap.pitch >= 0 ? r : bitmap.rows - 1 - r) * stride;
    std::uint8_t* out = pixels + std::size_t(topLeft.y + r) * std::size_t(width) * kChannels;
    for (unsigned c = firstColumn; c < lastColumn; ++c) {
      // Most of a glyph's box is uncovered, which leaves the pixel as it is.
      const unsigned level = mono ? ((line[c / 8] >> (7 - c % 8)) & 1u) * 255u : line[c];
      if (level == 0) continue;
      BlendPixel<kChannels>(out + std::size_t(topLeft.x + c) * kChannels, value, alpha, kGreyCoverage[level]);
    }
  }
}

DeviceBox BoxBetween(Point a, Point b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// A convex polygon of at most 8 corners (a quadrilateral clipped by a pixel square).
struct Polygon {
  std::array<Point, 12> corners{};
  int count = 0;
};

// Keeps the part of a polygon on the side of an axis line where `inside` holds.
template <typename Inside, typename Cross>
Polygon ClipPolygon(const Polygon& in, Inside inside, Cross cross) {
  Polygon out;
  for (int i = 0; i < in.count; ++i) {
    const Point a = in.corners[std::size_t(i)];
    const Point b = in.corners[std::size_t((i + 1) % in.count)];
    if (inside(a)) out.corners[std::size_t(out.count++)] = a;
    if (inside(a) != inside(b)) out.corners[std::size_t(out.count++)] = cross(a, b);
  }
  return out;
}

double PolygonArea(const Polygon& p) {
  double twice = 0;
  for (int i = 0; i < p.count; ++i) {
    const Point a = p.corners[std::size_t(i)];
    const Point b = p.corners[std::size_t((i + 1) % p.count)];
    twice += a.x * b.y - b.x * a.y;
  }
  return std::abs(twice) / 2;
}

// Area of a convex polygon (at most 8 corners) inside the unit pixel at (x, row).
double PolygonCoverage(std::span<const Point> shape, int x, int row) {
  Polygon p;
  for (const Point corner : shape) p.corners[std::size_t(p.count++)] = corner;
  const auto atX = [](double edge) {
    return [edge](Point a, Point b) { return Point{edge, a.y + (b.y - a.y) * (edge - a.x) / (b.x - a.x)}; };
  };
  const auto atY = [](double edge) {
    return [edge](Point a, Point b) { return Point{a.x + (b.x - a.x) * (edge - a.y) / (b.y - a.y), edge}; };
  };
  p = ClipPolygon(p, [x](Point q) { return q.x >= x; }, atX(x));
  p = ClipPolygon(p, [x](Point q) { return q.x <= x + 1; }, atX(x + 1));
  p = ClipPolygon(p, [row](Point q) { return q.y >= row; }, atY(row));
  p = ClipPolygon(p, [row](Point q) { return q.y <= row + 1; }, atY(row + 1));
  return PolygonArea(p);
}

bool PolygonHolds(std::span<const Point> shape, Point q) {
  int positive = 0;
  int negative = 0;
  for (std::size_t i = 0; i < shape.size(); ++i) {
    const Point a = shape[i];
    const Point b = shape[(i + 1) % shape.size()];
    const double side = (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x);
    positive += side > 0;
    negative += side < 0;
  }
  return positive == 0 || negative == 0;
}

FT_F26Dot6 ToF26Dot6(double value) { return FT_F26Dot6(std::lround(value * 64)); }

}  // namespace

double DeviceBox::CoverageOf(int x, int row) const {
  return Empty() ? 0 : Overlap(x0, x1, x) * Overlap(y0, y1, row);
}

bool DeviceBox::HoldsCentreOf(int x, int row) const {
  return x + 0.5 >= x0 && x + 0.5 < x1 && row + 0.5 >= y0 && row + 0.5 < y1;
}

RasterCanvas::RasterCanvas(int width, int height, PixelFormat format)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(format) {
  // White: full value in grey and RGB, no ink in CMYK.
  const std::uint8_t blank = format == PixelFormat::Cmyk ? 0 : 255;
  pixels_.assign(std::size_t(width_) * std::size_t(height_) * std::size_t(Channels()), blank);
  state_.transform.ty = height_;
  state_.fill = state_.stroke = PaintOf(Colour{});
}

std::span<const std::uint8_t> RasterCanvas::PixelAt(int x, int row) const {
  FlushJoinedFills();
  const std::size_t channels = std::size_t(Channels());
  return std::span(pixels_).subspan((std::size_t(row) * std::size_t(width_) + std::size_t(x)) * channels, channels);
}

void RasterCanvas::Translate(double tx, double ty) {
  state_.transform.tx += state_.transform.sx * tx;
  state_.transform.ty += state_.transform.sy * ty;
  if (wholePixelFills_) {
    state_.transform.tx = std::round(state_.transform.tx);
    state_.transform.ty = std::round(state_.transform.ty);
  }
}

void RasterCanvas::Scale(double sx, double sy) {
  state_.transform.sx *= sx;
  state_.transform.sy *= sy;
}

void RasterCanvas::SaveState() { saved_.push_back(state_); }

void RasterCanvas::RestoreState() {
  if (saved_.empty()) return;
  state_ = saved_.back();
  saved_.pop_back();
}

void RasterCanvas::SetFillColour(const Colour& colour) { state_.fill = PaintOf(colour); }
void RasterCanvas::SetStrokeColour(const Colour& colour) { state_.stroke = PaintOf(colour); }
void RasterCanvas::SetLineWidth(double width) { state_.lineWidth = width; }
void RasterCanvas::SetAntialias(bool on) { state_.antialias = on; }
void RasterCanvas::SetFontSmoothing(bool on) { state_.fontSmoothing = on; }

RasterCanvas::Paint RasterCanvas::PaintOf(const Colour& colour) const {
  Paint paint;
  const std::array<double, 4> components = ComponentsIn(colour, format_);
  for (std::size_t i = 0; i < 4; ++i) paint.value[i] = ComponentByte(components[i]);
  paint.alpha = std::isnan(colour.alpha) ? 0 : std::clamp(colour.alpha, 0.0, 1.0);
  return paint;
}

std::span<const std::uint8_t> RasterCanvas::Pixels() const {
  FlushJoinedFills();
  return pixels_;
}

void RasterCanvas::SetJoinedFills(bool on) {
  FlushJoinedFills();
  joinFills_ = on;
}

void RasterCanvas::FillRect(const Rect& rect) {
  Point a = ToDevice({rect.x, rect.y});
  Point b = ToDevice({rect.x + rect.width, rect.y + rect.height});
  if (wholePixelFills_) {
    a = {std::round(a.x), std::round(a.y)};
    b = {std::round(b.x), std::round(b.y)};
  }
  if (joinFills_ && state_.antialias) {
    AddJoinedCoverage(BoxBetween(a, b), state_.fill);
    return;
  }
  const DeviceBox box = BoxBetween(a, b);
  if (ExtendRun(box, state_.fill)) return;
  FlushJoinedFills();
  FillDeviceFrame(box, {}, state_.fill);
}

void RasterCanvas::FillModules(const DrawList& list, const DrawList::ModuleRow& row) {
  const std::string_view modules = list.ModulesOf(row);
  const Transform& t = state_.transform;
  // Every module's rows, as FillRect would find them.
  Point a{0, t.sy * row.bottom + t.ty};
  Point b{0, t.sy * (row.bottom + row.height) + t.ty};
  if (wholePixelFills_) a.y = std::round(a.y), b.y = std::round(b.y);
  const double top = std::min(a.y, b.y);
  const double bottom = std::max(a.y, b.y);
  // A run of modules is filled as one box where each of its modules would
  // have been taken into one span box by box: on whole pixels inside the
  // image, each starting where the one before it ends, from the left.
  const bool runs = state_.antialias && !joinFills_ && state_.fill.alpha > 0 && t.sx > 0 && top >= 0 &&
                    bottom <= height_ && top < bottom && IsWhole(top) && IsWhole(bottom);
  for (std::size_t x = modules.find('1'); x < modules.size(); x = modules.find('1', x)) {
    const std::size_t end = std::min(modules.find_first_not_of('1', x), modules.size());
    bool whole = runs;
    double left = 0;
    double right = 0;
    for (std::size_t m = x; whole && m < end; ++m) {
      const Rect module = ModuleRect(row, m);
      a.x = t.sx * module.x + t.tx;
      b.x = t.sx * (module.x + module.width) + t.tx;
      if (wholePixelFills_) a.x = std::round(a.x), b.x = std::round(b.x);
      // Bounded before the test for a whole number converts them.
      whole = (m == x ? a.x >= 0 : a.x == right) && a.x < b.x && b.x <= width_ && IsWhole(a.x) && IsWhole(b.x);
      if (m == x) left = a.x;
      right = b.x;
    }
    if (whole) {
      ExtendRun(DeviceBox{left, top, right, bottom}, state_.fill);
    } else {
      for (std::size_t m = x; m < end; ++m) FillRect(ModuleRect(row, m));
    }
    x = end;
  }
}

bool RasterCanvas::ExtendRun(const DeviceBox& box, const Paint& paint) {
  if (!state_.antialias || !(paint.alpha > 0)) return false;
  // The next module of a row: it starts where the row's last span ends, on
  // its rows, and ends on a whole pixel inside the image. Tested first, as
  // nearly every box of a row of modules takes this way.
  if (!row_.spans.empty() && box.x0 == row_.spans.back().right && box.y0 == row_.top && box.y1 == row_.bottom &&
      box.x1 > box.x0 && box.x1 <= width_ && IsWhole(box.x1) && SamePaint(paint, row_.paint)) {
    row_.spans.back().right = int(box.x1);
    return true;
  }
  if (box.Empty()) return false;
  const std::optional<PixelBox> pixels = WholePixelBox(box, width_, height_);
  if (!pixels) return false;
  // A span further right on the same rows in the same paint belongs to the
  // row; anything else ends it.
  if (row_.spans.empty() || pixels->top != row_.top || pixels->bottom != row_.bottom ||
      pixels->left < row_.spans.back().right || !SamePaint(paint, row_.paint)) {
    EndRow();
    row_.top = pixels->top;
    row_.bottom = pixels->bottom;
    row_.paint = paint;
  }
  row_.spans.push_back({pixels->left, pixels->right});
  return true;
}

void RasterCanvas::EndRow() const {
  if (row_.spans.empty()) return;
  // Rows are drawn downwards or upwards, as the transform turns them.
  const bool below = held_.bottom == row_.top;
  const bool above = held_.top == row_.bottom;
  if (!held_.spans.empty() && (below || above) && SamePaint(held_.paint, row_.paint) &&
      std::ranges::equal(held_.spans, row_.spans, [](const Span& a, const Span& b) {
        return a.left == b.left && a.right == b.right;
      })) {
    (below ? held_.bottom : held_.top) = below ? row_.bottom : row_.top;
  } else {
    FillBand(held_);
    std::swap(held_, row_);
  }
  row_.spans.clear();
}

void RasterCanvas::FillBand(const Band& band) const {
  for (const Span& span : band.spans) {
    FillPixelBox(Channels(), pixels_.data(), std::size_t(width_), PixelBox{span.left, band.top, span.right, band.bottom},
                 band.paint.value, band.paint.alpha);
  }
}

void RasterCanvas::AddJoinedCoverage(const DeviceBox& box, const Paint& paint) {
  if (box.Empty()) return;
  if (joinedPending_ && (paint.value != joinedPaint_.value || paint.alpha != joinedPaint_.alpha)) FlushJoinedFills();
  if (joined_.empty()) joined_.assign(std::size_t(width_) * std::size_t(height_), 0.0f);
  const auto [left, right] = TouchedRange(box.x0, box.x1, width_);
  const auto [top, bottom] = TouchedRange(box.y0, box.y1, height_);
  if (left >= right || top >= bottom) return;
  for (int row = top; row < bottom; ++row) {
    float* coverage = &joined_[std::size_t(row) * std::size_t(width_)];
    for (int x = left; x < right; ++x) coverage[x] = std::min(1.0f, coverage[x] + float(box.CoverageOf(x, row)));
  }
  const DeviceBox touched{double(left), double(top), double(right), double(bottom)};
  joinedBounds_ = joinedPending_ ? DeviceBox{std::min(joinedBounds_.x0, touched.x0), std::min(joinedBounds_.y0, touched.y0),
                                             std::max(joinedBounds_.x1, touched.x1), std::max(joinedBounds_.y1, touched.y1)}
                                 : touched;
  joinedPaint_ = paint;
  joinedPending_ = true;
}

void RasterCanvas::FlushJoinedFills() const {
  EndRow();
  FillBand(held_);
  held_.spans.clear();
  if (!joinedPending_) return;
  joinedPending_ = false;
  for (int row = int(joinedBounds_.y0); row < int(joinedBounds_.y1); ++row) {
    float* coverage = &joined_[std::size_t(row) * std::size_t(width_)];
    for (int x = int(joinedBounds_.x0); x < int(joinedBounds_.x1); ++x) {
      if (coverage[x] > 0) Blend(x, row, joinedPaint_, coverage[x]);
      coverage[x] = 0;
    }
  }
}

void RasterCanvas::FillUserBox(Point a, Point b, const Paint& paint) {
  FillDeviceFrame(BoxBetween(ToDevice(a), ToDevice(b)), {}, paint);
}

void RasterCanvas::StrokeRect(const Rect& rect) {
  FlushJoinedFills();
  const double half = state_.lineWidth / 2;
  if (!(half > 0)) return;
  const double left = std::min(rect.x, rect.x + rect.width);
  const double right = std::max(rect.x, rect.x + rect.width);
  const double bottom = std::min(rect.y, rect.y + rect.height);
  const double top = std::max(rect.y, rect.y + rect.height);
  // The stroke is the outer box less the inner one, covered in one pass so the
  // joins between the four sides leave no seams.
  const DeviceBox outer = BoxBetween(ToDevice({left - half, bottom - half}), ToDevice({right + half, top + half}));
  DeviceBox inner;
  if (right - left > 2 * half && top - bottom > 2 * half) {
    inner = BoxBetween(ToDevice({left + half, bottom + half}), ToDevice({right - half, top - half}));
  }
  FillDeviceFrame(outer, inner, state_.stroke);
}

void RasterCanvas::StrokeSegment(Point from, Point to) {
  FlushJoinedFills();
  const double half = state_.lineWidth / 2;
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (!(half > 0) || !(length > 0)) return;
  // Butt ends: the stroke is the segment widened by half the line width on each side.
  const double nx = -dy / length * half;
  const double ny = dx / length * half;
  if (dx == 0 || dy == 0) {
    FillUserBox({from.x + nx, from.y + ny}, {to.x - nx, to.y - ny}, state_.stroke);
    return;
  }
  FillDeviceQuad({ToDevice({from.x + nx, from.y + ny}), ToDevice({to.x + nx, to.y + ny}),
                  ToDevice({to.x - nx, to.y - ny}), ToDevice({from.x - nx, from.y - ny})},
                 state_.stroke);
}

void RasterCanvas::FillDeviceFrame(const DeviceBox& box, const DeviceBox& hole, const Paint& paint) {
  // A paint without alpha leaves every pixel as it is.
  if (box.Empty() || !(paint.alpha > 0)) return;
  if (state_.antialias) {
    // DeviceBox::CoverageOf written out: a row's overlap is worked out once,
    // and the columns that lie wholly inside the box overlap it by exactly 1,
    // so there the coverage is the row's overlap and the pixels can be filled
    // as one run.
    if (hole.Empty()) {
      if (const std::optional<PixelBox> aligned = WholePixelBox(box, width_, height_)) {
        FillPixelBox(Channels(), pixels_.data(), std::size_t(width_), *aligned, paint.value, paint.alpha);
        return;
      }
    }
    const auto [left, right] = TouchedRange(box.x0, box.x1, width_);
    const auto [top, bottom] = TouchedRange(box.y0, box.y1, height_);
    if (hole.Empty()) {
      const PlainBox plain = PartialPixelBox(box, left, right, top, bottom);
      FillPlainBox(Channels(), pixels_.data(), std::size_t(width_), plain, paint.value, paint.alpha);
      return;
    }
    for (int row = top; row < bottom; ++row) {
      const double down = Overlap(box.y0, box.y1, row);
      const double holeDown = Overlap(hole.y0, hole.y1, row);
      for (int x = left; x < right; ++x) {
        Blend(x, row, paint, Overlap(box.x0, box.x1, x) * down - Overlap(hole.x0, hole.x1, x) * holeDown);
      }
    }
    return;
  }
  const auto [left, right] = CentredRange(box.x0, box.x1, width_);
  const auto [top, bottom] = CentredRange(box.y0, box.y1, height_);
  for (int row = top; row < bottom; ++row) {
    for (int x = left; x < right; ++x) {
      if (!hole.HoldsCentreOf(x, row)) Blend(x, row, paint, 1);
    }
  }
}

void RasterCanvas::FillDeviceQuad(const std::array<Point, 4>& quad, const Paint& paint) {
  DeviceBox bounds{quad[0].x, quad[0].y, quad[0].x, quad[0].y};
  for (const Point p : quad) {
    bounds = {std::min(bounds.x0, p.x), std::min(bounds.y0, p.y), std::max(bounds.x1, p.x), std::max(bounds.y1, p.y)};
  }
  if (bounds.Empty()) return;
  const auto [left, right] = TouchedRange(bounds.x0, bounds.x1, width_);
  const auto [top, bottom] = TouchedRange(bounds.y0, bounds.y1, height_);
  for (int row = top; row < bottom; ++row) {
    for (int x = left; x < right; ++x) {
      if (state_.antialias) {
        Blend(x, row, paint, PolygonCoverage(quad, x, row));
      } else if (PolygonHolds(quad, {x + 0.5, row + 0.5})) {
        Blend(x, row, paint, 1);
      }
    }
  }
}

void RasterCanvas::FillPolygon(std::span<const Point> corners) {
  // Clipped by a pixel a convex polygon gains at most four corners; the
  // hexagons drawn here have six.
  if (corners.size() < 3 || corners.size() > 8 || !(state_.fill.alpha > 0)) return;
  FlushJoinedFills();
  std::array<Point, 8> device{};
  DeviceBox bounds{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const Point p = ToDevice(corners[i]);
    device[i] = p;
    bounds = {std::min(bounds.x0, p.x), std::min(bounds.y0, p.y), std::max(bounds.x1, p.x), std::max(bounds.y1, p.y)};
  }
  if (bounds.Empty()) return;
  const std::span<const Point> shape(device.data(), corners.size());
  const auto [left, right] = TouchedRange(bounds.x0, bounds.x1, width_);
  const auto [top, bottom] = TouchedRange(bounds.y0, bounds.y1, height_);
  for (int row = top; row < bottom; ++row) {
    for (int x = left; x < right; ++x) {
      if (state_.antialias) {
        const double coverage = PolygonCoverage(shape, x, row);
        if (coverage > 0) Blend(x, row, state_.fill, coverage);
      } else if (PolygonHolds(shape, {x + 0.5, row + 0.5})) {
        Blend(x, row, state_.fill, 1);
      }
    }
  }
}

void RasterCanvas::FillRing(Point centre, double radius, double hole) {
  if (!(radius > 0) || !(state_.fill.alpha > 0)) return;
  FlushJoinedFills();
  const Transform& t = state_.transform;
  const DeviceBox bounds = BoxBetween(ToDevice({centre.x - radius, centre.y - radius}),
                                      ToDevice({centre.x + radius, centre.y + radius}));
  if (bounds.Empty()) return;
  // A pixel's coverage from the distance of its centre to the circle, over a
  // pixel's width in user space: exact enough for a circle many pixels wide,
  // and linear in the pixels it touches.
  const double pixel = 2 / (std::abs(t.sx) + std::abs(t.sy));
  const auto inside = [&](double r, double distance) {
    if (!(r > 0)) return 0.0;
    if (!state_.antialias) return distance < r ? 1.0 : 0.0;
    return std::clamp(0.5 + (r - distance) / pixel, 0.0, 1.0);
  };
  const auto [left, right] = TouchedRange(bounds.x0, bounds.x1, width_);
  const auto [top, bottom] = TouchedRange(bounds.y0, bounds.y1, height_);
  for (int row = top; row < bottom; ++row) {
    const double dy = (row + 0.5 - t.ty) / t.sy - centre.y;
    for (int x = left; x < right; ++x) {
      const double dx = (x + 0.5 - t.tx) / t.sx - centre.x;
      const double distance = std::hypot(dx, dy);
      const double coverage = inside(radius, distance) - inside(hole, distance);
      if (coverage > 0) Blend(x, row, state_.fill, coverage);
    }
  }
}

FontLibrary& RasterCanvas::Fonts() {
  // One library per thread serves every canvas it draws: a batch opens each
  // face and reads the glyph cache once, not once per barcode.
  thread_local FontLibrary fonts;
  return fonts;
}

TextMetrics RasterCanvas::MeasureText(std::u32string_view text, std::u32string_view fontName, double fontSize) {
  return Fonts().Measure(text, fontName, fontSize);
}

void RasterCanvas::DrawText(std::u32string_view text, Point origin, std::u32string_view fontName, double fontSize) {
  FlushJoinedFills();
  if (text.empty()) return;
  const FontFace* font = Fonts().FaceFor(fontName);
  if (!font) {
    textLackedFont_ = true;
    return;
  }
  const double size = EffectiveFontSize(fontSize);
  const Transform& t = state_.transform;
  const double ppemX = size * std::abs(t.sx);
  const double ppemY = size * std::abs(t.sy);
  if (!(ppemX >= 1.0 / 64 && ppemX <= kMaxPixelsPerEm && ppemY >= 1.0 / 64 && ppemY <= kMaxPixelsPerEm)) return;
  GlyphSize glyphSize{ToF26Dot6(ppemX), ToF26Dot6(ppemY), false};
  for (const PlacedGlyph& glyph : font->Shape(text, size).glyphs) {
    DrawGlyph(*font, glyphSize, glyph.id, ToDevice({origin.x + glyph.x, origin.y + glyph.y}), state_.fill);
  }
}

std::optional<GlyphBitmap> RasterCanvas::RenderGlyph(const FontFace& font, GlyphSize& size,
                                                     const GlyphRequest& request) {
  FT_Face face = font.Face();
  if (!face) return std::nullopt;
  // The size is set once per line, and only when a glyph is not in the cache.
  if (!size.set) {
    if (FT_Set_Char_Size(face, size.width, size.height, 72, 72) != 0) return std::nullopt;
    size.set = true;
  }
  FT_Matrix mirror{request.mirrorX ? -0x10000 : 0x10000, 0, 0, request.mirrorY ? -0x10000 : 0x10000};
  FT_Vector offset{FT_Pos(request.offsetX), 0};
  FT_Set_Transform(face, &mirror, &offset);
  if (FT_Load_Glyph(face, request.glyph, request.loadFlags) != 0) return std::nullopt;
  if (FT_Render_Glyph(face->glyph, FT_Render_Mode(request.renderMode)) != 0) return std::nullopt;

  const FT_Bitmap& slot = face->glyph->bitmap;
  GlyphBitmap bitmap{face->glyph->bitmap_left, face->glyph->bitmap_top, slot.rows, slot.width, slot.pitch,
                     slot.pixel_mode, {}};
  const std::size_t bytes = std::size_t(slot.rows) * std::size_t(std::abs(slot.pitch));
  if (bytes > 0) bitmap.buffer.assign(slot.buffer, slot.buffer + bytes);
  Fonts().Glyphs().Add(font.CacheKey(), request, bitmap);
  return bitmap;
}

void RasterCanvas::DrawGlyph(const FontFace& font, GlyphSize& size, std::uint32_t glyph, Point deviceOrigin,
                             const Paint& paint) {
  const Transform& t = state_.transform;
  // Horizontal positions keep their fraction; the baseline sits on a whole row so
  // hinted horizontal stems stay sharp.
  const double pixelX = std::floor(deviceOrigin.x);
  const double baselineRow = std::round(deviceOrigin.y);
  if (!std::isfinite(pixelX) || !std::isfinite(baselineRow)) return;

  GlyphRequest request;
  request.glyph = glyph;
  request.charWidth = size.width;
  request.charHeight = size.height;
  // Glyph outlines have y upwards; mirror them when the transform does.
  request.mirrorX = t.sx < 0;
  request.mirrorY = t.sy > 0;
  request.offsetX = std::lround((deviceOrigin.x - pixelX) * 64);
  request.loadFlags = FT_LOAD_NO_BITMAP;
  if (state_.antialias) {
    request.loadFlags |= state_.fontSmoothing ? FT_LOAD_TARGET_LIGHT : FT_LOAD_NO_HINTING;
  } else {
    request.loadFlags |= state_.fontSmoothing ? FT_LOAD_TARGET_MONO : (FT_LOAD_TARGET_MONO | FT_LOAD_NO_HINTING);
  }
  request.renderMode = state_.antialias ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;

  const GlyphBitmap* bitmap = Fonts().Glyphs().Find(font.CacheKey(), request);
  std::optional<GlyphBitmap> rendered;
  if (!bitmap) {
    rendered = RenderGlyph(font, size, request);
    if (!rendered) return;
    bitmap = &*rendered;
  }

  const Point topLeft{pixelX + bitmap->left, baselineRow - bitmap->top};
  switch (Channels()) {
    case 1: BlendGlyph<1>(pixels_.data(), width_, height_, *bitmap, topLeft, paint.value, paint.alpha); return;
    case 3: BlendGlyph<3>(pixels_.data(), width_, height_, *bitmap, topLeft, paint.value, paint.alpha); return;
    default: BlendGlyph<4>(pixels_.data(), width_, height_, *bitmap, topLeft, paint.value, paint.alpha); return;
  }
}

void RasterCanvas::Blend(int x, int row, const Paint& paint, double coverage) const {
  const std::size_t channels = std::size_t(Channels());
  std::uint8_t* pixel = &pixels_[(std::size_t(row) * std::size_t(width_) + std::size_t(x)) * channels];
  switch (channels) {
    case 1: BlendPixel<1>(pixel, paint.value, paint.alpha, coverage); return;
    case 3: BlendPixel<3>(pixel, paint.value, paint.alpha, coverage); return;
    default: BlendPixel<4>(pixel, paint.value, paint.alpha, coverage); return;
  }
}

}  // namespace kbc
