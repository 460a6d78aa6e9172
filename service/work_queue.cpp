#include "service/work_queue.h"

namespace kbc {

WorkQueue::WorkQueue(std::size_t workers, std::size_t capacity) : capacity_(capacity) {
  for (std::size_t i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
}

WorkQueue::~WorkQueue() { Finish(); }

void WorkQueue::Finish() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  queued_.notify_all();
  workers_.clear();  // joins
}

bool WorkQueue::TrySubmit(std::function<void()> job) {
  {
    const std::lock_guard lock(mutex_);
    if (stopping_ || jobs_.size() >= capacity_) return false;
    jobs_.push_back(std::move(job));
  }
  queued_.notify_one();
  return true;
}

std::size_t WorkQueue::Depth() const {
  const std::lock_guard lock(mutex_);
  return jobs_.size();
}

std::size_t WorkQueue::Busy() const {
  const std::lock_guard lock(mutex_);
  return busy_;
}

void WorkQueue::Work() {
  std::function<void()> job;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      if (job) --busy_;
      queued_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (jobs_.empty()) return;  // stopping, and nothing is left
      job = std::move(jobs_.front());
      jobs_.pop_front();
      ++busy_;
    }
    job();
  }
}

}  // namespace kbc
