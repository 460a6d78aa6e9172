#include "cli/pixel_budget.h"

namespace kbc {

PixelBudget::Share::Share(PixelBudget& budget, std::size_t pixels) : budget_(budget), pixels_(pixels) {
  std::unique_lock lock(budget_.mutex_);
  budget_.freed_.wait(lock, [&] { return budget_.held_ == 0 || budget_.held_ + pixels_ <= budget_.limit_; });
  budget_.held_ += pixels_;
}

PixelBudget::Share::~Share() {
  {
    const std::lock_guard lock(budget_.mutex_);
    budget_.held_ -= pixels_;
  }
  budget_.freed_.notify_all();
}

std::size_t PixelBudget::Held() const {
  const std::lock_guard lock(mutex_);
  return held_;
}

}  // namespace kbc
