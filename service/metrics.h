// The service's counters, read by /metrics in the Prometheus text format.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

namespace kbc {

// Upper bounds of the latency histogram's buckets, in seconds: a PNG takes
// tens of microseconds, a large batch seconds.
inline constexpr std::array<double, 12> kLatencyBuckets = {0.0001, 0.00025, 0.0005, 0.001, 0.0025, 0.005,
                                                           0.01,   0.025,   0.05,   0.1,   1,      10};

class Metrics {
 public:
  // One answered request: its route (a known path, or "other"), its status
  // and the seconds from its request line to its last byte.
  void Record(std::string_view route, int status, double seconds);
  // The exposition; the gauges are read by the caller as it asks.
  std::string Text(std::size_t queueDepth, std::size_t busyWorkers, std::size_t inFlight) const;

 private:
  mutable std::mutex mutex_;
  std::map<std::pair<std::string, int>, std::uint64_t> requests_;
  std::array<std::uint64_t, kLatencyBuckets.size()> buckets_ = {};
  std::uint64_t count_ = 0;
  double sum_ = 0;
};

}  // namespace kbc
