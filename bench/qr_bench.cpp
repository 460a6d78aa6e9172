// QR Code costs: the library's encoding alone, and whole documents as the SVG,
// EPS and PNG writers render them (version 1 and version 40), in memory.
#include <benchmark/benchmark.h>

#include <string>

#include "canvas/raster_canvas.h"
#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "dispatch/render_barcode.h"
#include "image_encoders/png_encoder.h"
#include "matrix/qr_code.h"
#include "render/draw_list_targets.h"

namespace kbc {
namespace {

// Eight characters fit version 1; 7089 digits need version 40.
std::u32string DataOfVersion(std::int64_t version) {
  return version == 40 ? std::u32string(7089, U'7') : std::u32string(8, U'7');
}

void BM_QrEncode(benchmark::State& state) {
  const std::u32string data = DataOfVersion(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(EncodeQrSymbol(data, QrVariant::kQrCode));
}
BENCHMARK(BM_QrEncode)->Arg(1)->Arg(40)->Unit(benchmark::kMillisecond);

BarcodeSettings QrSettings() {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kQrCode;
  return settings;
}

void RenderQrDocument(benchmark::State& state, bool svg) {
  BarcodeSettings settings = QrSettings();
  settings.data = DataOfVersion(state.range(0));
  for (auto _ : state) {
    std::string text;
    const DataCheck check = CheckBarcodeData(settings);
    if (svg) {
      AppendSvgDrawing(check->layout, settings, text);
    } else {
      AppendEpsDrawing(check->layout, settings, text);
    }
    benchmark::DoNotOptimize(text.data());
  }
}

void BM_QrSvg(benchmark::State& state) { RenderQrDocument(state, true); }
void BM_QrEps(benchmark::State& state) { RenderQrDocument(state, false); }
BENCHMARK(BM_QrSvg)->Arg(1)->Arg(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QrEps)->Arg(1)->Arg(40)->Unit(benchmark::kMillisecond);

// As the PNG writer: size from the data check, a bitmap of that size, the
// drawing, the PNG encoding.
void BM_QrPng(benchmark::State& state) {
  BarcodeSettings settings = QrSettings();
  settings.data = DataOfVersion(state.range(0));
  for (auto _ : state) {
    BarcodeSettings copy = settings;
    const DataCheck check = CheckBarcodeData(copy);
    RasterCanvas canvas(int(check->image.width), int(check->image.height), PixelFormat::Rgb);
    RenderBarcode(canvas, copy, *check);
    benchmark::DoNotOptimize(EncodePng({canvas.Width(), canvas.Height(), canvas.Format(), canvas.Pixels()}));
  }
}
BENCHMARK(BM_QrPng)->Arg(1)->Arg(40)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kbc
