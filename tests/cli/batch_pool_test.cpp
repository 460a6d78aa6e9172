// The batch pool's bounds: memory that does not grow with the input, and
// bitmaps that share one pixel budget across workers.
#include "cli/batch_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

// Shares of random sizes taken by many threads at once: the pixels held never
// pass the budget, but for a share larger than the whole, which is held alone.
TEST(PixelBudget, HeldSharesNeverPassTheBudget) {
  constexpr std::size_t kLimit = 1000;
  PixelBudget budget(kLimit);
  std::atomic<bool> broken = false;
  std::atomic<int> oversizeHeld = 0;
  std::vector<std::jthread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&, t] {
      std::mt19937 rng(t);
      for (int i = 0; i < 2000; ++i) {
        const std::size_t pixels = rng() % 50 == 0 ? kLimit * 3 : rng() % 600;
        const PixelBudget::Share share(budget, pixels);
        const std::size_t held = budget.Held();
        if (pixels > kLimit ? held != pixels : held > kLimit) broken = true;
        oversizeHeld += pixels > kLimit;
        std::this_thread::yield();
      }
    });
  }
  threads.clear();
  EXPECT_FALSE(broken);
  EXPECT_GT(oversizeHeld, 0);
  EXPECT_EQ(budget.Held(), 0u);
}

// A batch holds a window of its lines, not all of them: a file twenty times
// longer peaks at about the same memory.
TEST(BatchPool, MemoryDoesNotGrowWithTheInput) {
  const std::string folder = test::FreshFolder("batch-memory");
  long peaks[2] = {};
  const std::size_t counts[2] = {12500, 250000};
  for (int i = 0; i < 2; ++i) {
    std::string lines;
    for (std::size_t n = 0; n < counts[i]; ++n) lines += "not digits\n";
    test::WriteFile(folder + "/in.txt", lines);
    // Freed memory is given back at once under AddressSanitizer too.
    const auto run = test::RunKbc({"-type", "EAN-13", "-batch", folder + "/in.txt", "-threads", "2", "-action",
                                   "svgf", "-output", folder + "/x.svg"},
                                  {"ASAN_OPTIONS=quarantine_size_mb=0:detect_leaks=0"});
    ASSERT_EQ(run.status, 1);
    peaks[i] = run.peakKilobytes;
  }
  // Holding every line, as a run that reads its file whole does, takes some 25 MB more.
  EXPECT_LT(peaks[1] - peaks[0], 8 * 1024) << peaks[0] << " KB, then " << peaks[1] << " KB";
}

}  // namespace
}  // namespace kbc
