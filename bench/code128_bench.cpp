// Code 128 at its longest data (250 characters): encoding alone, and rendering
// both documents.
#include <benchmark/benchmark.h>

#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "linear/code128.h"
#include "render/draw_list_targets.h"

namespace kbc {
namespace {

std::u32string LongText() {
  std::u32string text;
  for (int i = 0; i < 250; ++i) text.push_back(char32_t(U'a' + i % 26));
  return text;
}

void BM_Code128Encode(benchmark::State& state) {
  const std::u32string data = LongText();
  for (auto _ : state) {
    const Code128Symbol symbol = EncodeCode128(data, true);
    benchmark::DoNotOptimize(Code128Elements(symbol).data());
  }
}
BENCHMARK(BM_Code128Encode);

void BM_Code128Documents(benchmark::State& state) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kCode128;
  settings.data = LongText();
  for (auto _ : state) {
    std::string epsText, svgText;
    const DataCheck check = CheckBarcodeData(settings);
    AppendEpsDrawing(check->layout, settings, epsText);
    AppendSvgDrawing(check->layout, settings, svgText);
    benchmark::DoNotOptimize(epsText.data());
    benchmark::DoNotOptimize(svgText.data());
  }
}
BENCHMARK(BM_Code128Documents);

}  // namespace
}  // namespace kbc
