// The raster canvas's fast paths (whole-pixel boxes, boxes gathered into
// spans and bands, runs of a module row filled at once, rows copied from the
// first row, joined fills) against a plain reference written here, on random
// canvases. The reference covers and blends every
// pixel of every box on its own: a pixel takes alpha × coverage of the paint,
// rounded half up, or the paint itself once that amount reaches 1.
//
// Pixels must match exactly: the fast paths multiply the same overlaps in
// the same order (a column wholly inside a box overlaps it by exactly 1).
// Only joined fills may differ, by 1 level where a box covered a pixel in
// part, because the canvas adds their coverage up in float.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "canvas/raster_canvas.h"
#include "support/draws.h"

namespace kbc {
namespace {

constexpr std::uint32_t kSeed = 20261208;
constexpr int kCanvasesPerFormat = 300;

struct Paint {
  std::array<std::uint8_t, 4> value{};
  double alpha = 1;
  bool operator==(const Paint&) const = default;
};

// A box by its edges on the device, y downwards from the top row.
struct Edges {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return !(x0 < x1) || !(y0 < y1); }
};

// Length of [from, to) inside the pixel [pixel, pixel + 1).
double Overlap(double from, double to, int pixel) {
  return std::max(0.0, std::min(to, pixel + 1.0) - std::max(from, double(pixel)));
}

class ReferenceCanvas {
 public:
  ReferenceCanvas(int width, int height, PixelFormat format)
      : width_(width),
        height_(height),
        channels_(ChannelsOf(format)),
        pixels_(Count() * std::size_t(channels_), format == PixelFormat::Cmyk ? 0 : 255),
        tolerant_(Count(), false),
        joined_(Count(), 0),
        fractional_(Count(), false) {}

  // One box on its own: antialiased, each pixel by the area of it the box
  // covers; aliased, each pixel whose centre the box holds.
  void Fill(const Edges& box, const Paint& paint, bool antialias) {
    EndJoin();
    if (box.Empty()) return;
    for (int row = 0; row < height_; ++row) {
      for (int x = 0; x < width_; ++x) {
        const bool centre = x + 0.5 >= box.x0 && x + 0.5 < box.x1 && row + 0.5 >= box.y0 && row + 0.5 < box.y1;
        Blend(x, row, paint, antialias ? Overlap(box.x0, box.x1, x) * Overlap(box.y0, box.y1, row) : centre);
      }
    }
  }

  // Joined fills: boxes filled one after another in the same paint add up
  // their coverage, at most 1, and are blended once. An empty box draws
  // nothing and so does not end the boxes before it.
  void Join(const Edges& box, const Paint& paint) {
    if (box.Empty()) return;
    if (joinPending_ && !(paint == joinPaint_)) EndJoin();
    joinPaint_ = paint;
    joinPending_ = true;
    for (int row = 0; row < height_; ++row) {
      for (int x = 0; x < width_; ++x) {
        const double coverage = Overlap(box.x0, box.x1, x) * Overlap(box.y0, box.y1, row);
        joined_[Index(x, row)] += coverage;
        if (coverage > 0 && coverage < 1) fractional_[Index(x, row)] = true;
      }
    }
  }

  void EndJoin() {
    if (!joinPending_) return;
    joinPending_ = false;
    for (int row = 0; row < height_; ++row) {
      for (int x = 0; x < width_; ++x) {
        const std::size_t i = Index(x, row);
        Blend(x, row, joinPaint_, std::min(1.0, joined_[i]));
        // The canvas adds coverage up in float, so an amount that is not
        // whole can round to the other side of a half level.
        if (fractional_[i]) tolerant_[i] = true;
        joined_[i] = 0;
        fractional_[i] = false;
      }
    }
  }

  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }
  // Levels a pixel may be off by: 1 after a joined fill that covered it in
  // part (the difference then shrinks or stays in every later blend), else 0.
  int Tolerance(int x, int row) const { return tolerant_[Index(x, row)] ? 1 : 0; }

 private:
  std::size_t Count() const { return std::size_t(width_) * std::size_t(height_); }
  std::size_t Index(int x, int row) const { return std::size_t(row) * std::size_t(width_) + std::size_t(x); }

  void Blend(int x, int row, const Paint& paint, double coverage) {
    const double amount = paint.alpha * coverage;
    if (!(amount > 0)) return;
    std::uint8_t* pixel = &pixels_[Index(x, row) * std::size_t(channels_)];
    for (std::size_t c = 0; c < std::size_t(channels_); ++c) {
      pixel[c] = amount >= 1 ? paint.value[c] : std::uint8_t(std::lround(pixel[c] + (paint.value[c] - pixel[c]) * amount));
    }
  }

  int width_, height_, channels_;
  std::vector<std::uint8_t> pixels_;
  std::vector<bool> tolerant_;
  std::vector<double> joined_;
  std::vector<bool> fractional_;
  bool joinPending_ = false;
  Paint joinPaint_;
};

// The canvas and the reference drawn alike, with a log of what was drawn for
// the failure message.
class Scene {
 public:
  Scene(int width, int height, PixelFormat format)
      : format_(format), canvas_(width, height, format), reference_(width, height, format) {
    // User space onto the device one to one, y downwards: the edges the
    // reference sees are the ones the canvas works with.
    canvas_.Translate(0, height);
    canvas_.Scale(1, -1);
    log_ << std::setprecision(17) << ChannelsOf(format) << " channels, " << width << " x " << height << "\n";
  }

  void Fill(const Rect& rect, const Paint& paint) {
    SetFill(paint);
    canvas_.FillRect(rect);
    FillReference(rect, paint);
  }

  // A row of modules from x = left as the matrix frame lays it out, one mark
  // for the row; the reference fills each dark module box by box.
  void FillModules(double left, const DrawList& list, const DrawList::ModuleRow& row, const Paint& paint) {
    SetFill(paint);
    canvas_.SaveState();
    canvas_.Translate(left, 0);
    canvas_.FillModules(list, row);
    canvas_.RestoreState();
    log_ << "module row:\n";
    ForEachDarkModule(list, row, [&](const Rect& module) {
      FillReference({left + module.x, module.y, module.width, module.height}, paint);
    });
  }

  void SetFill(const Paint& paint) {
    constexpr double kFull = 255.0;
    Colour colour{format_ == PixelFormat::Grey ? ColourSpace::Grey
                  : format_ == PixelFormat::Rgb ? ColourSpace::Rgb
                                                : ColourSpace::Cmyk,
                  {paint.value[0] / kFull, paint.value[1] / kFull, paint.value[2] / kFull, paint.value[3] / kFull},
                  paint.alpha};
    canvas_.SetFillColour(colour);
  }

  void FillReference(const Rect& rect, const Paint& paint) {
    const Edges box{std::min(rect.x, rect.x + rect.width), std::min(rect.y, rect.y + rect.height),
                    std::max(rect.x, rect.x + rect.width), std::max(rect.y, rect.y + rect.height)};
    if (joined_ && antialias_) {
      reference_.Join(box, paint);
    } else {
      reference_.Fill(box, paint, antialias_);
    }
    log_ << "fill " << box.x0 << " " << box.y0 << " " << box.x1 << " " << box.y1 << " paint";
    for (int c = 0; c < ChannelsOf(format_); ++c) log_ << " " << int(paint.value[std::size_t(c)]);
    log_ << " alpha " << paint.alpha << "\n";
  }

  void SetAntialias(bool on) {
    canvas_.SetAntialias(on);
    antialias_ = on;
    log_ << "antialias " << (on ? "on" : "off") << "\n";
  }

  void SetJoined(bool on) {
    canvas_.SetJoinedFills(on);
    reference_.EndJoin();
    joined_ = on;
    log_ << "joined fills " << (on ? "on" : "off") << "\n";
  }

  // Reading the pixels composites what the canvas has gathered; the first
  // difference fails the test with the drawing that led to it.
  bool Matches(const std::string& name) {
    reference_.EndJoin();
    const std::span<const std::uint8_t> got = canvas_.Pixels();
    const std::vector<std::uint8_t>& want = reference_.Pixels();
    const int channels = ChannelsOf(format_);
    for (std::size_t i = 0; i < want.size(); ++i) {
      const int x = int(i / std::size_t(channels)) % canvas_.Width();
      const int row = int(i / std::size_t(channels)) / canvas_.Width();
      if (std::abs(int(got[i]) - int(want[i])) > reference_.Tolerance(x, row)) {
        ADD_FAILURE() << name << ": pixel " << x << ", row " << row << ", channel " << i % std::size_t(channels)
                      << " is " << int(got[i]) << ", box by box " << int(want[i]) << "\n"
                      << log_.str();
        return false;
      }
    }
    log_ << "pixels read\n";
    return true;
  }

 private:
  PixelFormat format_;
  RasterCanvas canvas_;
  ReferenceCanvas reference_;
  bool antialias_ = true;
  bool joined_ = false;
  std::ostringstream log_;
};

// Edges on whole pixels, on eighths, or anywhere, a little beyond the canvas
// on both sides so that boxes are clipped too.
double Edge(test::Draws& draws, int limit) {
  switch (draws.Below(3)) {
    case 0: return draws.Between(-2, limit + 2);
    case 1: return draws.Between(-16, (limit + 2) * 8) / 8.0;
    default: return draws.Unit() * (limit + 4) - 2;
  }
}

Paint RandomPaint(test::Draws& draws) {
  Paint paint;
  for (std::uint8_t& component : paint.value) component = std::uint8_t(draws.Below(256));
  const double alphas[] = {1, 1, 1, 0.5, 0, draws.Unit(), draws.Between(1, 254) / 255.0};
  paint.alpha = alphas[draws.Below(7)];
  return paint;
}

// A symbol's modules, row by row from the left as the matrix frame draws
// them: side by side on whole pixels they form runs, on fractional pixels
// they share edges that only joined fills leave without a seam. A row often
// repeats the row above, as a one-row symbol drawn in one-module-high rows
// does, and its rows then join the band above; the same modules in the other
// paint, or after a row left out, must not. Half the symbols give each row as
// one mark, whose runs of modules the canvas may fill at once.
void DrawModules(test::Draws& draws, Scene& scene, const std::array<Paint, 2>& paints, int width, int height) {
  const double sizes[] = {1, 2, 3, 0.5, 0.75, 1.25, 1.5, 2.5};
  // Half the symbols lie on whole pixels, as at whole-pixel scales.
  const bool whole = draws.OneIn(2);
  const double moduleWidth = whole ? draws.Between(1, 3) : sizes[draws.Below(8)];
  const double moduleHeight = whole ? draws.Between(1, 3)
                              : draws.OneIn(3) ? draws.Between(1, height)
                                               : sizes[draws.Below(8)];
  const double left = whole || draws.OneIn(2) ? draws.Between(-2, width) : draws.Between(-8, width * 4) / 4.0;
  const double top = whole || draws.OneIn(2) ? draws.Between(-2, height) : draws.Between(-8, height * 4) / 4.0;
  const int rows = draws.Between(1, 8);
  const int columns = draws.Between(2, 16);
  // Rows as one mark each, as the matrix frame lays them out, or box by box.
  const bool asMarks = draws.OneIn(2);
  // User space has y upwards, so rows go up the image, or down it.
  const double step = draws.OneIn(2) ? moduleHeight : -moduleHeight;
  std::vector<int> row(static_cast<std::size_t>(columns));  // per column: 0 light, 1 or 2 the paint
  for (int r = 0; r < rows; ++r) {
    if (r == 0 || !draws.OneIn(2)) {
      for (int& module : row) module = draws.OneIn(3) ? 0 : draws.OneIn(8) ? 2 : 1;
    } else if (draws.OneIn(4)) {
      for (int& module : row) module = module == 0 ? 0 : 3 - module;
    } else if (draws.OneIn(3)) {
      continue;
    }
    if (asMarks) {
      // The modules of each paint as one mark: a string of '1' where they are.
      for (int paint = 1; paint <= 2; ++paint) {
        DrawList list;
        for (const int module : row) list.modules.push_back(module == paint ? '1' : '0');
        const DrawList::ModuleRow mark{top + r * step, moduleHeight, moduleWidth, 0, list.modules.size()};
        scene.FillModules(left, list, mark, paints[std::size_t(paint - 1)]);
      }
      continue;
    }
    for (int c = 0; c < columns; ++c) {
      const int module = row[std::size_t(c)];
      if (module == 0) continue;
      scene.Fill({left + c * moduleWidth, top + r * step, moduleWidth, moduleHeight},
                 paints[std::size_t(module - 1)]);
    }
  }
}

// A linear symbol's bars from the left, some of them longer (guard bars) or
// shorter at either end: a box next to a run but on other rows starts a new run.
void DrawBars(test::Draws& draws, Scene& scene, const std::array<Paint, 2>& paints, int width, int height) {
  const double sizes[] = {1, 2, 3, 0.5, 0.75, 1.25, 1.5, 2.5};
  const double moduleWidth = sizes[draws.Below(8)];
  double x = draws.OneIn(2) ? draws.Between(-2, width) : draws.Between(-8, width * 4) / 4.0;
  const int top = draws.Between(-1, height);
  const int bottom = draws.Between(top, height + 1);
  for (int bar = draws.Between(2, 20); bar > 0; --bar) {
    const double barWidth = moduleWidth * draws.Between(1, 3);
    if (!draws.OneIn(3)) {
      const int barTop = draws.OneIn(4) ? top + draws.Between(-1, 1) : top;
      const int barBottom = draws.OneIn(4) ? bottom + draws.Between(-1, 2) : bottom;
      scene.Fill({x, double(barTop), barWidth, double(barBottom - barTop)}, paints[draws.OneIn(8) ? 1 : 0]);
    }
    x += barWidth;
  }
}

struct Format {
  const char* name;
  PixelFormat format;
};

void PrintTo(const Format& format, std::ostream* out) { *out << format.name; }

class RasterCanvasDifferential : public testing::TestWithParam<Format> {};

TEST_P(RasterCanvasDifferential, FastPathsEqualBoxByBox) {
  const PixelFormat format = GetParam().format;
  for (int n = 0; n < kCanvasesPerFormat; ++n) {
    test::Draws draws(kSeed + 1000 * std::uint32_t(format) + std::uint32_t(n));
    const int width = draws.Between(1, 40);
    const int height = draws.Between(1, 32);
    Scene scene(width, height, format);
    // The second paint is at times the first at another alpha, which must
    // not join the first paint's run or fills.
    std::array<Paint, 2> paints{RandomPaint(draws), RandomPaint(draws)};
    if (draws.OneIn(3)) paints[1].value = paints[0].value;
    const std::string name = "canvas " + std::to_string(n);
    bool same = true;
    for (int step = draws.Between(1, 24); same && step > 0; --step) {
      const int kind = draws.Below(100);
      if (kind < 8) {
        scene.SetAntialias(!draws.OneIn(3));
      } else if (kind < 18) {
        scene.SetJoined(draws.OneIn(2));
      } else if (kind < 22) {
        same = scene.Matches(name);
      } else if (kind < 55) {
        const double x0 = Edge(draws, width), x1 = Edge(draws, width);
        const double y0 = Edge(draws, height), y1 = Edge(draws, height);
        scene.Fill({std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0), std::abs(y1 - y0)},
                   draws.OneIn(4) ? RandomPaint(draws) : paints[std::size_t(draws.Below(2))]);
      } else if (kind < 78) {
        DrawModules(draws, scene, paints, width, height);
      } else {
        DrawBars(draws, scene, paints, width, height);
      }
    }
    if (same) scene.Matches(name);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RasterCanvasDifferential,
                         testing::Values(Format{"Grey", PixelFormat::Grey}, Format{"Rgb", PixelFormat::Rgb},
                                         Format{"Cmyk", PixelFormat::Cmyk}),
                         [](const testing::TestParamInfo<Format>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kbc
