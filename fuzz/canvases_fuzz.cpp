// The raster and PDF canvases under random drawing calls: the same calls go to
// a bitmap of random size and format and to a PDF page. Neither may fault, the
// bitmap keeps its size, and the PDF finishes as a document.
//
// Scale calls stay within what renderers use (1/64..64 in all): a zero scale
// or text thousands of points high makes cairo refuse the whole page (and leak
// on its way out), which no request reaches.
#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <string_view>
#include <vector>

#include "canvas/pdf_canvas.h"
#include "canvas/raster_canvas.h"
#include "fuzz/fuzz_input.h"
#include "text/mac_roman.h"

namespace kbc::fuzz {
namespace {

// The scale the drawing calls have built up, tracked through SaveState and
// RestoreState as the canvases keep it.
struct ScaleReach {
  double sx = 1;
  double sy = 1;
  std::vector<std::pair<double, double>> saved;

  // Applies a scale call unless it would leave the usual range.
  bool Apply(double x, double y) {
    const auto usual = [](double s) { return std::abs(s) >= 1.0 / 64 && std::abs(s) <= 64; };
    if (!usual(sx * x) || !usual(sy * y)) return false;
    sx *= x;
    sy *= y;
    return true;
  }
  void Save() { saved.emplace_back(sx, sy); }
  void Restore() {
    if (saved.empty()) return;
    std::tie(sx, sy) = saved.back();
    saved.pop_back();
  }
};

constexpr std::array<std::u32string_view, 3> kFontNames = {U"Helvetica", U"Monaco", U"DejaVu Sans Mono"};

Colour RandomColour(FuzzInput& input) {
  Colour colour;
  colour.space = static_cast<ColourSpace>(input.Byte() % 3);
  for (double& c : colour.c) c = input.Between(0, 1);
  colour.alpha = input.Between(0, 1);
  return colour;
}

Point RandomPoint(FuzzInput& input) { return {input.Between(-400, 800), input.Between(-400, 800)}; }

std::u32string RandomFontName(FuzzInput& input) {
  const std::uint8_t pick = input.Byte();
  if (pick < 3 * 64) return std::u32string(kFontNames[pick % 3]);
  return DecodeMacRoman(input.Bytes(10));
}

// One drawing call chosen by the input, on both targets.
void DrawOneCall(FuzzInput& input, RasterCanvas& raster, PdfCanvas& pdf, ScaleReach& reach) {
  const std::array<DrawingTarget*, 2> targets = {&raster, &pdf};
  switch (input.Byte() % 15) {
    case 0: {
      const double tx = input.Between(-500, 500), ty = input.Between(-500, 500);
      for (auto* t : targets) t->Translate(tx, ty);
      break;
    }
    case 1: {
      const double sx = input.Between(-8, 8), sy = input.Between(-8, 8);
      if (reach.Apply(sx, sy)) {
        for (auto* t : targets) t->Scale(sx, sy);
      }
      break;
    }
    case 2:
      for (auto* t : targets) t->SaveState();
      reach.Save();
      break;
    case 3:
      for (auto* t : targets) t->RestoreState();
      reach.Restore();
      break;
    case 4: {
      const Colour colour = RandomColour(input);
      for (auto* t : targets) t->SetFillColour(colour);
      break;
    }
    case 5: {
      const Colour colour = RandomColour(input);
      for (auto* t : targets) t->SetStrokeColour(colour);
      break;
    }
    case 6: {
      const double width = input.Between(0, 40);
      for (auto* t : targets) t->SetLineWidth(width);
      break;
    }
    case 7: {
      const bool on = input.Byte() % 2;
      for (auto* t : targets) t->SetAntialias(on);
      break;
    }
    case 8: {
      const bool on = input.Byte() % 2;
      for (auto* t : targets) t->SetFontSmoothing(on);
      break;
    }
    case 9:
    case 10: {
      const Point corner = RandomPoint(input);
      const Rect rect{corner.x, corner.y, input.Between(-300, 300), input.Between(-300, 300)};
      for (auto* t : targets) (input.Byte() % 2 ? t->FillRect(rect) : t->StrokeRect(rect));
      break;
    }
    case 11: {
      const Point from = RandomPoint(input), to = RandomPoint(input);
      for (auto* t : targets) t->StrokeSegment(from, to);
      break;
    }
    case 12: {
      const std::u32string font = RandomFontName(input);
      const double fontSize = input.Between(0, 96);
      const Point origin = RandomPoint(input);
      const std::u32string text = DecodeMacRoman(input.Bytes(24));
      for (auto* t : targets) t->DrawText(text, origin, font, fontSize);
      break;
    }
    case 13: {
      const std::u32string font = RandomFontName(input);
      const double fontSize = input.Between(0, 96);
      const std::u32string text = DecodeMacRoman(input.Bytes(24));
      for (auto* t : targets) {
        const TextMetrics metrics = t->MeasureText(text, font, fontSize);
        Require(metrics.width >= 0 && metrics.height >= 0, "text measures are not negative");
      }
      break;
    }
    default:
      raster.SetJoinedFills(input.Byte() % 2);
      break;
  }
}

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  fuzz::FuzzInput input(data, size);
  const int width = 1 + int(input.Number(299));
  const int height = 1 + int(input.Number(299));
  RasterCanvas raster(width, height, static_cast<PixelFormat>(input.Byte() % 3));
  PdfCanvas pdf(width, height);
  fuzz::ScaleReach reach;
  for (int call = 0; call < 256 && !input.Empty(); ++call) fuzz::DrawOneCall(input, raster, pdf, reach);

  fuzz::Require(raster.Pixels().size() == std::size_t(width) * std::size_t(height) * std::size_t(raster.Channels()),
                "the bitmap keeps its size");
  const Result<std::string> document = pdf.Finish();
  fuzz::Require(document && document->starts_with("%PDF-"), "the PDF finishes: " + document.refusal);
  return 0;
}
