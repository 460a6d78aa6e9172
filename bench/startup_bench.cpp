// The per-run work that stands in for fontconfig and HarfBuzz once the caches
// are warm (the stamp, a font look-up, the shapes of an EAN-13's digits), and
// the module fills of a version-40 QR symbol on a bitmap.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "canvas/raster_canvas.h"
#include "canvas/shape_cache.h"
#include "fonts/font_cache.h"

namespace kbc {
namespace {

std::string ScratchFolder() {
  char pattern[] = "/tmp/kbc-bench-XXXXXX";
  const char* made = mkdtemp(pattern);
  return made ? made : "/tmp";
}

void FontSetupStampBench(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FontSetupStamp());
}
BENCHMARK(FontSetupStampBench);

void CachedFontLookup(benchmark::State& state) {
  const std::string cache = ScratchFolder() + "/fonts";
  const std::string stamp = FontSetupStamp();
  for (int i = 0; i < 8; ++i) WriteCachedFont(cache, stamp, "Font " + std::to_string(i), ResolvedFont{});
  for (auto _ : state) benchmark::DoNotOptimize(ReadCachedFont(cache, stamp, "Font 3"));
}
BENCHMARK(CachedFontLookup);

void CachedShapesOfEan13Digits(benchmark::State& state) {
  const std::string cache = ScratchFolder() + "/shapes";
  const std::string library = "/proc/self/exe";
  const ShapedFace face{"/fonts/face.otf", "1:2:3", 0};
  {
    ShapeCache shapes(cache);
    for (char32_t digit = U'0'; digit <= U'9'; ++digit) {
      shapes.Add(face, std::u32string(1, digit), ShapedRun{1000, 729, -271, 200, {{17, 0, 0, 556, 0}}},
                 LibraryStamp(library));
    }
  }
  for (auto _ : state) {
    ShapeCache shapes(cache);
    for (const char32_t digit : std::u32string_view(U"5901234123457")) {
      benchmark::DoNotOptimize(shapes.Find(face, std::u32string(1, digit)));
    }
  }
}
BENCHMARK(CachedShapesOfEan13Digits);

// 185 × 185 modules of 3 × 3 pixels, about half of them dark, as a QR symbol draws them.
void QrModuleFills(benchmark::State& state) {
  for (auto _ : state) {
    RasterCanvas canvas(555, 555, PixelFormat::Rgb);
    for (int y = 0; y < 185; ++y) {
      for (int x = (y % 2); x < 185; x += 2) canvas.FillRect(Rect{3.0 * x, 3.0 * y, 3, 3});
    }
    benchmark::DoNotOptimize(canvas.Pixels().data());
  }
}
BENCHMARK(QrModuleFills);

}  // namespace
}  // namespace kbc
