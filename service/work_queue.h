// A fixed set of worker threads taking jobs from a bounded queue: a job that
// does not fit is refused at once, so that an overloaded service says so
// instead of letting every request wait longer.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kbc {

class WorkQueue {
 public:
  WorkQueue(std::size_t workers, std::size_t capacity);
  // Finish()es.
  ~WorkQueue();
  WorkQueue(const WorkQueue&) = delete;
  WorkQueue& operator=(const WorkQueue&) = delete;

  // False, with the job dropped, when `capacity` jobs wait already, or once
  // the queue is finishing.
  bool TrySubmit(std::function<void()> job);
  // Runs the jobs still queued, then joins the workers; takes no more jobs.
  void Finish();
  std::size_t Depth() const;
  // Workers running a job now.
  std::size_t Busy() const;

 private:
  void Work();

  const std::size_t capacity_;
  mutable std::mutex mutex_;
  std::condition_variable queued_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  std::size_t busy_ = 0;
  std::vector<std::jthread> workers_;
};

}  // namespace kbc
