// QR Code costs: the library's encoding against building the module string.
#include <benchmark/benchmark.h>

#include <string>

#include "matrix/qr_code.h"

namespace kbc {
namespace {

const std::u32string& DataOfVersion(int version) {
  static const std::u32string kVersion1 = U"Kestrova";
  static const std::u32string kVersion40 = std::u32string(7089, U'7');
  return version == 40 ? kVersion40 : kVersion1;
}

void BM_QrSymbolSide(benchmark::State& state) {
  const std::u32string& data = DataOfVersion(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(QrSymbolSide(data, QrVariant::kQrCode));
}
BENCHMARK(BM_QrSymbolSide)->Arg(1)->Arg(40)->Unit(benchmark::kMicrosecond);

void BM_QrModuleString(benchmark::State& state) {
  const std::u32string& data = DataOfVersion(int(state.range(0)));
  std::string modules;
  for (auto _ : state) {
    QrModuleString(data, modules, QrVariant::kQrCode);
    benchmark::DoNotOptimize(modules.data());
  }
}
BENCHMARK(BM_QrModuleString)->Arg(1)->Arg(40)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kbc
