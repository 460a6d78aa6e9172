// Rendering an EAN-13 into the EPS and SVG documents, without writing files.
#include <benchmark/benchmark.h>

#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "render/draw_list_targets.h"

namespace kbc {
namespace {

void RenderDocuments(benchmark::State& state, bool eps, bool svg) {
  BarcodeSettings settings = InitSettings();
  settings.data = U"590123412345";
  settings.addon = U"12345";
  for (auto _ : state) {
    std::string epsText, svgText;
    const DataCheck check = CheckBarcodeData(settings);
    if (eps) AppendEpsDrawing(check->layout, settings, epsText);
    if (svg) AppendSvgDrawing(check->layout, settings, svgText);
    benchmark::DoNotOptimize(epsText.data());
    benchmark::DoNotOptimize(svgText.data());
  }
}

void BM_Ean13Eps(benchmark::State& state) { RenderDocuments(state, true, false); }
void BM_Ean13Svg(benchmark::State& state) { RenderDocuments(state, false, true); }
BENCHMARK(BM_Ean13Eps);
BENCHMARK(BM_Ean13Svg);

}  // namespace
}  // namespace kbc
