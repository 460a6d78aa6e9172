// Drawing and encoding on the canvases: an EAN-13 symbol with its digits, and a
// large grid of 177 × 177 modules (the size of the largest QR Code) drawn
// module by module at 4 points each. Everything stays in memory; writing the
// file is not measured.
#include <benchmark/benchmark.h>

#include <random>

#include "cli/registry.h"
#include "platform/image_encoders.h"
#include "platform/pdf_canvas.h"
#include "platform/raster_canvas.h"
#include "render/render.h"

namespace kbc {
namespace {

constexpr int kGridModules = 177;
constexpr int kModuleSize = 4;
constexpr int kGridSide = kGridModules * kModuleSize;

using Encoder = std::optional<std::string> (*)(const BitmapView&, std::string&);

BarcodeSettings Ean13Settings() {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kEan13;
  settings.data = U"590123412345";
  settings.placementMode = 3;
  return settings;
}

void DrawEan13(DrawingTarget& target) {
  BarcodeSettings settings = Ean13Settings();
  RenderBarcode(&target, settings, 0, 0);
}

// Roughly half the modules dark, as in any 2-D symbol.
void DrawGrid(DrawingTarget& target) {
  std::mt19937 random(kGridModules);
  target.SetFillColour({ColourSpace::Grey, {0, 0, 0, 0}, 1});
  for (int row = 0; row < kGridModules; ++row) {
    for (int column = 0; column < kGridModules; ++column) {
      if (random() & 1) {
        target.FillRect({double(column * kModuleSize), double(row * kModuleSize), kModuleSize, kModuleSize});
      }
    }
  }
}

void Raster(benchmark::State& state, void (*draw)(DrawingTarget&), int width, int height, PixelFormat format,
            Encoder encode) {
  for (auto _ : state) {
    RasterCanvas canvas(width, height, format);
    draw(canvas);
    std::string error;
    if (encode) benchmark::DoNotOptimize(encode({width, height, format, canvas.Pixels()}, error));
    benchmark::DoNotOptimize(canvas.Pixels().data());
  }
}

void Pdf(benchmark::State& state, void (*draw)(DrawingTarget&), double width, double height) {
  for (auto _ : state) {
    PdfCanvas canvas(width, height);
    draw(canvas);
    std::string error;
    benchmark::DoNotOptimize(canvas.Finish(error));
  }
}

void Ean13Draw(benchmark::State& s) { Raster(s, DrawEan13, 113, 80, PixelFormat::Rgb, nullptr); }
void Ean13Png(benchmark::State& s) { Raster(s, DrawEan13, 113, 80, PixelFormat::Rgb, EncodePng); }
void Ean13Jpeg(benchmark::State& s) { Raster(s, DrawEan13, 113, 80, PixelFormat::Rgb, EncodeJpeg); }
void Ean13TiffCmyk(benchmark::State& s) { Raster(s, DrawEan13, 113, 80, PixelFormat::Cmyk, EncodeTiff); }
void Ean13Pdf(benchmark::State& s) { Pdf(s, DrawEan13, 113, 80); }
void GridDraw(benchmark::State& s) { Raster(s, DrawGrid, kGridSide, kGridSide, PixelFormat::Rgb, nullptr); }
void GridPng(benchmark::State& s) { Raster(s, DrawGrid, kGridSide, kGridSide, PixelFormat::Rgb, EncodePng); }
void GridJpeg(benchmark::State& s) { Raster(s, DrawGrid, kGridSide, kGridSide, PixelFormat::Rgb, EncodeJpeg); }
void GridTiffCmyk(benchmark::State& s) { Raster(s, DrawGrid, kGridSide, kGridSide, PixelFormat::Cmyk, EncodeTiff); }
void GridPdf(benchmark::State& s) { Pdf(s, DrawGrid, kGridSide, kGridSide); }

BENCHMARK(Ean13Draw);
BENCHMARK(Ean13Png);
BENCHMARK(Ean13Jpeg);
BENCHMARK(Ean13TiffCmyk);
BENCHMARK(Ean13Pdf);
BENCHMARK(GridDraw);
BENCHMARK(GridPng);
BENCHMARK(GridJpeg);
BENCHMARK(GridTiffCmyk);
BENCHMARK(GridPdf);

}  // namespace
}  // namespace kbc
