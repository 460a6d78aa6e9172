// What writing one label's file costs, CPU per file: the bytes of an EAN-13 SVG
// (3.5 kB) written as a batch writes them, new files in one folder, against a
// plain open, write and close of the same bytes. The difference is the price
// of the hardening: the file made whole before it has a name, its Finder codes,
// and the checks for links and descriptor folders. Files go under TMPDIR, by
// default the tmpfs /dev/shm, as in bench/compare-batch.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/atomic_file.h"

namespace kbc {
namespace {

constexpr int kFiles = 10000;
const std::string kBytes(3546, 'x');
constexpr std::string_view kFinderInfo("SVGfQZTX\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 32);

// A fresh folder per run, removed after it; the same names every run.
template <class Write>
void WriteFiles(benchmark::State& state, Write write) {
  const char* base = std::getenv("TMPDIR");
  std::string folder = std::string(base && *base ? base : "/dev/shm") + "/kbc-write-bench.XXXXXX";
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("cannot make a folder");
    return;
  }
  int n = 0;
  for (auto _ : state) {
    if (!write(folder + "/label-" + std::to_string(++n) + ".svg")) state.SkipWithError("a write failed");
  }
  std::filesystem::remove_all(folder);
}

void BM_PlainFileWrite(benchmark::State& state) {
  WriteFiles(state, [](const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    const bool written = fd >= 0 && write(fd, kBytes.data(), kBytes.size()) == ssize_t(kBytes.size());
    return close(fd) == 0 && written;
  });
}

void BM_HardenedFileWrite(benchmark::State& state) {
  WriteFiles(state, [](const std::string& path) {
    return bool(WriteFileAtomically(path, kBytes, ExtendedAttribute{"user.com.apple.FinderInfo", kFinderInfo}));
  });
}

BENCHMARK(BM_PlainFileWrite)->Iterations(kFiles)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_HardenedFileWrite)->Iterations(kFiles)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kbc
