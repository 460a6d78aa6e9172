// Drawing and encoding on the canvases: an EAN-13 symbol with its digits, and the
// largest QR Code (version 40, 185 modules a side with its quiet zone, 555 × 555
// points). Everything stays in memory; writing the file is not measured.
#include <benchmark/benchmark.h>

#include <string>

#include "canvas/pdf_canvas.h"
#include "canvas/raster_canvas.h"
#include "core/symbology.h"
#include "dispatch/render_barcode.h"
#include "image_encoders/jpeg_encoder.h"
#include "image_encoders/png_encoder.h"
#include "image_encoders/tiff_encoder.h"

namespace kbc {
namespace {

constexpr int kQrSide = 555;

using Encoder = Result<std::string> (*)(const BitmapView&);

BarcodeSettings Ean13Settings() {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kEan13;
  settings.data = U"590123412345";
  return settings;
}

void DrawEan13(DrawingTarget& target) {
  BarcodeSettings settings = Ean13Settings();
  RenderBarcode(target, settings, *CheckBarcodeData(settings));
}

void DrawQr40(DrawingTarget& target) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kQrCode;
  settings.data = std::u32string(7089, U'7');
  RenderBarcode(target, settings, *CheckBarcodeData(settings));
}

void Raster(benchmark::State& state, void (*draw)(DrawingTarget&), int width, int height, PixelFormat format,
            Encoder encode) {
  for (auto _ : state) {
    RasterCanvas canvas(width, height, format);
    draw(canvas);
    if (encode) benchmark::DoNotOptimize(encode({width, height, format, canvas.Pixels()}));
    benchmark::DoNotOptimize(canvas.Pixels().data());
  }
}

void Pdf(benchmark::State& state, void (*draw)(DrawingTarget&), double width, double height) {
  for (auto _ : state) {
    PdfCanvas canvas(width, height);
    draw(canvas);
    benchmark::DoNotOptimize(canvas.Finish());
  }
}

void Ean13Draw(benchmark::State& s) { Raster(s, DrawEan13, 113, 80, PixelFormat::Rgb, nullptr); }
void Ean13Png(benchmark::State& s) { Raster(s, DrawEan13, 113, 80, PixelFormat::Rgb, EncodePng); }
void Ean13Jpeg(benchmark::State& s) { Raster(s, DrawEan13, 113, 80, PixelFormat::Rgb, EncodeJpeg); }
void Ean13TiffCmyk(benchmark::State& s) { Raster(s, DrawEan13, 113, 80, PixelFormat::Cmyk, EncodeTiff); }
void Ean13Pdf(benchmark::State& s) { Pdf(s, DrawEan13, 113, 80); }
void Qr40Draw(benchmark::State& s) { Raster(s, DrawQr40, kQrSide, kQrSide, PixelFormat::Rgb, nullptr); }
void Qr40Png(benchmark::State& s) { Raster(s, DrawQr40, kQrSide, kQrSide, PixelFormat::Rgb, EncodePng); }
void Qr40Jpeg(benchmark::State& s) { Raster(s, DrawQr40, kQrSide, kQrSide, PixelFormat::Rgb, EncodeJpeg); }
void Qr40TiffCmyk(benchmark::State& s) { Raster(s, DrawQr40, kQrSide, kQrSide, PixelFormat::Cmyk, EncodeTiff); }
void Qr40Pdf(benchmark::State& s) { Pdf(s, DrawQr40, kQrSide, kQrSide); }

BENCHMARK(Ean13Draw);
BENCHMARK(Ean13Png);
BENCHMARK(Ean13Jpeg);
BENCHMARK(Ean13TiffCmyk);
BENCHMARK(Ean13Pdf);
BENCHMARK(Qr40Draw);
BENCHMARK(Qr40Png);
BENCHMARK(Qr40Jpeg);
BENCHMARK(Qr40TiffCmyk);
BENCHMARK(Qr40Pdf);

}  // namespace
}  // namespace kbc
