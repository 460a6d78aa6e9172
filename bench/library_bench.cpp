// Renders per second through the C interface, in one process on one thread:
// a fresh request per label, set, rendered and freed, as a caller does.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "kestrova/barcode.h"

namespace {

void RenderLabels(benchmark::State& state, const char* type, const std::string& data, const char* action) {
  for (auto _ : state) {
    const std::unique_ptr<kbc_request, decltype(&kbc_request_free)> request(kbc_request_new(), kbc_request_free);
    kbc_request_set(request.get(), "type", type);
    kbc_request_set(request.get(), "data", data.c_str());
    unsigned char* bytes = nullptr;
    std::size_t size = 0;
    if (kbc_render(request.get(), action, &bytes, &size) != 0) state.SkipWithError(kbc_request_error(request.get()));
    const std::unique_ptr<unsigned char, decltype(&kbc_free)> file(bytes, kbc_free);
    benchmark::DoNotOptimize(file.get());
  }
  state.counters["renders"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// The texts of the batch comparison's cases (bench/compare-batch): 12 digits,
// and 100 capital letters for the QR Code and the Data Matrix.
const std::string kEan = "590123412345";
const std::string kQrText(100, 'K');

void BM_LibraryEan13Png(benchmark::State& state) { RenderLabels(state, "EAN-13", kEan, "pngf"); }
void BM_LibraryEan13Svg(benchmark::State& state) { RenderLabels(state, "EAN-13", kEan, "svgf"); }
void BM_LibraryQr100Png(benchmark::State& state) { RenderLabels(state, "QRCode", kQrText, "pngf"); }
void BM_LibraryDataMatrix100Png(benchmark::State& state) { RenderLabels(state, "DataMatrix", kQrText, "pngf"); }
BENCHMARK(BM_LibraryEan13Png);
BENCHMARK(BM_LibraryEan13Svg);
BENCHMARK(BM_LibraryQr100Png);
BENCHMARK(BM_LibraryDataMatrix100Png);

}  // namespace
