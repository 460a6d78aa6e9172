#include "service/metrics.h"

#include <cstdio>

namespace kbc {
namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

}  // namespace

void Metrics::Record(std::string_view route, int status, double seconds) {
  const std::lock_guard lock(mutex_);
  ++requests_[{std::string(route), status}];
  for (std::size_t i = 0; i < kLatencyBuckets.size(); ++i) {
    if (seconds <= kLatencyBuckets[i]) ++buckets_[i];
  }
  ++count_;
  sum_ += seconds;
}

std::string Metrics::Text(std::size_t queueDepth, std::size_t busyWorkers, std::size_t inFlight) const {
  const std::lock_guard lock(mutex_);
  std::string text =
      "# HELP kbc_http_requests_total Requests answered, by route and status.\n"
      "# TYPE kbc_http_requests_total counter\n";
  for (const auto& [key, count] : requests_) {
    text += "kbc_http_requests_total{route=\"" + key.first + "\",status=\"" + std::to_string(key.second) + "\"} " +
            std::to_string(count) + "\n";
  }
  text +=
      "# HELP kbc_http_request_duration_seconds From the request line to the answer's last byte.\n"
      "# TYPE kbc_http_request_duration_seconds histogram\n";
  // The buckets are counted cumulatively already: each holds every faster request.
  for (std::size_t i = 0; i < kLatencyBuckets.size(); ++i) {
    text += "kbc_http_request_duration_seconds_bucket{le=\"" + Number(kLatencyBuckets[i]) + "\"} " +
            std::to_string(buckets_[i]) + "\n";
  }
  text += "kbc_http_request_duration_seconds_bucket{le=\"+Inf\"} " + std::to_string(count_) + "\n";
  text += "kbc_http_request_duration_seconds_sum " + Number(sum_) + "\n";
  text += "kbc_http_request_duration_seconds_count " + std::to_string(count_) + "\n";
  text +=
      "# HELP kbc_queue_depth Requests waiting for a worker.\n"
      "# TYPE kbc_queue_depth gauge\n"
      "kbc_queue_depth " + std::to_string(queueDepth) + "\n" +
      "# HELP kbc_workers_busy Workers drawing a request now.\n"
      "# TYPE kbc_workers_busy gauge\n"
      "kbc_workers_busy " + std::to_string(busyWorkers) + "\n" +
      "# HELP kbc_requests_in_flight Requests read in part or whole and not yet answered.\n"
      "# TYPE kbc_requests_in_flight gauge\n"
      "kbc_requests_in_flight " + std::to_string(inFlight) + "\n";
  return text;
}

}  // namespace kbc
