// Rendering an EAN-13 into the EPS and SVG documents, without writing files.
#include <benchmark/benchmark.h>

#include "core/symbology.h"
#include "dispatch/render_barcode.h"

namespace kbc {
namespace {

void RenderDocuments(benchmark::State& state, bool eps, bool svg) {
  BarcodeSettings settings = InitSettings();
  settings.data = U"590123412345";
  settings.addon = U"12345";
  settings.placementMode = kPlaceAtOrigin;
  for (auto _ : state) {
    std::string epsText, svgText;
    BarcodeSettings copy = settings;
    copy.epsText = eps ? &epsText : nullptr;
    copy.svgText = svg ? &svgText : nullptr;
    RenderBarcode(nullptr, copy, 0, 0);
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
