// The service's HTTP side, on libmicrohttpd: one thread reads and writes
// every connection, so a slow client holds a socket but never a worker; whole
// requests go to the worker queue, and their connections wait suspended until
// the answer is drawn.
#pragma once

#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

#include "core/result.h"
#include "service/access_log.h"
#include "service/limits.h"
#include "service/metrics.h"
#include "service/work_queue.h"

struct MHD_Daemon;

namespace kbc {

struct ServerSettings {
  sockaddr_storage address{};
  std::size_t workers = 1;
  std::size_t queueCapacity = 64;
  // A connection silent this long is closed: a client that sends its
  // request a byte at a time cannot keep it open for ever.
  unsigned idleSeconds = 10;
  // A request still waiting for a worker after this long is answered 503.
  std::chrono::milliseconds queueTimeLimit{5000};
  std::size_t bodyBytes = std::size_t(1) << 20;
  // The request line and headers together.
  std::size_t headerBytes = 16384;
  std::size_t connections = 1000;
  RequestLimits limits;
};

class HttpServer {
 public:
  // Listening once made; refused when the address cannot be bound.
  static Result<std::unique_ptr<HttpServer>> Start(const ServerSettings& settings, const AccessLog& log);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  std::uint16_t Port() const;
  // Stops accepting, lets the requests under way finish (for at most
  // `grace`), then stops. /readyz says 503 from the start.
  void Drain(std::chrono::milliseconds grace);

  // For the request handlers.
  struct Exchange;
  const ServerSettings& Settings() const { return settings_; }
  bool Draining() const { return draining_; }
  WorkQueue& Queue() { return *queue_; }
  Metrics& Counters() { return metrics_; }
  const AccessLog& Log() const { return log_; }
  void Began() { ++inFlight_; }
  void Ended();
  std::size_t InFlight() const { return inFlight_; }

 private:
  HttpServer(const ServerSettings& settings, const AccessLog& log);

  ServerSettings settings_;
  const AccessLog& log_;
  Metrics metrics_;
  std::unique_ptr<WorkQueue> queue_;
  MHD_Daemon* daemon_ = nullptr;
  std::atomic<bool> draining_ = false;
  std::atomic<std::size_t> inFlight_ = 0;
  std::mutex endedMutex_;
  std::condition_variable ended_;
};

}  // namespace kbc
