// The pixels a batch's workers may hold in bitmaps at once. Each bitmap may
// take up to 2^26 pixels; without a bound, 64 workers drawing large symbols
// together would need tens of gigabytes.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace kbc {

// Two of the largest bitmaps a writer draws.
inline constexpr std::size_t kBatchPixelBudget = std::size_t(2) << 26;

// A worker takes a share before it draws and gives it back after; it waits
// while the share does not fit beside those taken. A share larger than the
// whole budget is taken when no other is held, so every request is drawn in
// the end and none is refused for its size alone.
class PixelBudget {
 public:
  explicit PixelBudget(std::size_t pixels) : limit_(pixels) {}

  class Share {
   public:
    Share(PixelBudget& budget, std::size_t pixels);
    ~Share();
    Share(const Share&) = delete;
    Share& operator=(const Share&) = delete;

   private:
    PixelBudget& budget_;
    std::size_t pixels_;
  };

  // The pixels held now.
  std::size_t Held() const;

 private:
  const std::size_t limit_;
  mutable std::mutex mutex_;
  std::condition_variable freed_;
  std::size_t held_ = 0;
};

}  // namespace kbc
