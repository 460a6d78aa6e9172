// The batch pool's bounds: a window of requests however long the input, and
// bitmaps that share one pixel budget across workers.
#include "cli/batch_pool.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

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

// Lines in the report so far.
std::size_t ReportedLines(int fd) {
  std::string text(std::size_t(lseek(fd, 0, SEEK_END)), '\0');
  if (pread(fd, text.data(), text.size(), 0) != ssize_t(text.size())) return 0;
  return std::size_t(std::count(text.begin(), text.end(), '\n'));
}

// A batch holds a window of its requests, not all of them: however long the
// input, the pool asks for the next request only a bounded number of
// requests ahead of what it has reported.
TEST(BatchPool, ReadsAheadOfItsReportsByABoundedWindow) {
  const int fd = memfd_create("report", 0);
  ASSERT_GE(fd, 0);
  TextOut err(fd);
  BatchInput input("-");
  constexpr std::size_t kRequests = 20000;
  std::size_t made = 0;
  std::size_t mostAhead = 0;
  const auto next = [&]() -> std::optional<BatchRequest> {
    if (made == kRequests) return std::nullopt;
    if (made % 250 == 0) mostAhead = std::max(mostAhead, made - ReportedLines(fd));
    BatchRequest request;
    request.number = ++made;
    request.errors = {"refused"};
    return request;
  };
  EXPECT_EQ(DrawBatch(input, next, 4, {"line", "batch file"}, err, err), 1);
  EXPECT_EQ(ReportedLines(fd), kRequests);
  EXPECT_LT(mostAhead, 1000u);
  close(fd);
}

}  // namespace
}  // namespace kbc
