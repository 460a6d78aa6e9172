#include "service/service_options.h"

#include <netdb.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>
#include <thread>

namespace kbc {
namespace {

struct AddressListFree {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

// "HOST:PORT", "[IPv6]:PORT" or ":PORT" (every address).
Result<sockaddr_storage> ReadAddress(std::string_view text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return Refusal("-serve takes ADDRESS:PORT, as 127.0.0.1:8080 or :8080");
  std::string host(text.substr(0, colon));
  const std::string port(text.substr(colon + 1));
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  // getaddrinfo takes any number and keeps its low 16 bits: 99999 would be port 34463.
  unsigned number = 0;
  const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
  if (port.empty() || error != std::errc() || end != port.data() + port.size() || number > 65535) {
    return Refusal("-serve " + std::string(text) + ": the port must be a number from 0 to 65535");
  }
  addrinfo hints{};
  hints.ai_family = host.empty() ? AF_INET6 : AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const int failure = getaddrinfo(host.empty() ? nullptr : host.c_str(), port.c_str(), &hints, &found);
  if (failure != 0) return Refusal("-serve " + std::string(text) + ": " + gai_strerror(failure));
  const std::unique_ptr<addrinfo, AddressListFree> list(found);
  sockaddr_storage address{};
  std::memcpy(&address, found->ai_addr, found->ai_addrlen);
  return address;
}

Result<std::size_t> ReadCount(std::string_view option, std::string_view value, std::size_t low, std::size_t high) {
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end != value.data() + value.size() || number < low || number > high) {
    return Refusal(std::string(option) + " takes a whole number from " + std::to_string(low) + " to " +
                   std::to_string(high) + ", not \"" + std::string(value) + "\"");
  }
  return number;
}

}  // namespace

Result<ServiceOptions> ReadServiceOptions(std::span<const std::string_view> args) {
  ServiceOptions options;
  ServerSettings& server = options.server;
  server.workers = std::max(1u, std::thread::hardware_concurrency());
  bool queueGiven = false;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    const std::string_view option = args[i];
    if (i + 1 >= args.size()) return Refusal(std::string(option) + " has no value");
    const std::string_view value = args[i + 1];
    // Each numbered option: its field and its range.
    struct Count {
      std::string_view name;
      std::size_t low, high;
      std::size_t* field;
    };
    std::size_t idle = server.idleSeconds;
    std::size_t queueLimit = std::size_t(server.queueTimeLimit.count());
    std::size_t grace = std::size_t(options.drainGrace.count());
    const Count counts[] = {
        {"-threads", 1, 64, &server.workers},
        {"-queue", 1, 100000, &server.queueCapacity},
        {"-timeout", 1, 3600, &idle},
        {"-timelimit", 1, 600000, &queueLimit},
        {"-drain", 0, 3600000, &grace},
        {"-maxbody", 1024, std::size_t(1) << 30, &server.bodyBytes},
        {"-maxheaders", 1024, std::size_t(1) << 20, &server.headerBytes},
        {"-maxdata", 1, std::size_t(1) << 20, &server.limits.dataBytes},
        {"-maxpixels", 1, std::size_t(1) << 26, &server.limits.bitmapPixels},
        {"-maxrows", 1, 1000000, &server.limits.batchRows},
        {"-connections", 1, 100000, &server.connections},
    };
    if (option == "-serve") {
      Result<sockaddr_storage> address = ReadAddress(value);
      if (!address) return Refusal(address.refusal);
      server.address = *address;
      options.listen = value;
    } else if (option == "-log") {
      options.logPath = value;
    } else if (const auto count = std::ranges::find(counts, option, &Count::name); count != std::end(counts)) {
      Result<std::size_t> number = ReadCount(option, value, count->low, count->high);
      if (!number) return Refusal(number.refusal);
      *count->field = *number;
      queueGiven = queueGiven || option == "-queue";
      server.idleSeconds = unsigned(idle);
      server.queueTimeLimit = std::chrono::milliseconds(queueLimit);
      options.drainGrace = std::chrono::milliseconds(grace);
    } else {
      return Refusal("unknown option " + std::string(option));
    }
  }
  if (options.listen.empty()) return Refusal("no -serve ADDRESS:PORT given");
  // Enough waiting requests to keep every worker busy through a burst, few
  // enough that the last of them is answered within a few milliseconds.
  if (!queueGiven) server.queueCapacity = 64 * server.workers;
  return options;
}

std::string ServiceHelpText() {
  return "Usage: KestrovaBarCodeService -serve ADDRESS:PORT [-option value] ...\n"
         "Serves barcodes over HTTP: GET or POST /barcode, POST /batch, /healthz, /readyz, /metrics.\n"
         "\n"
         "  -serve ADDRESS:PORT  where to listen: 127.0.0.1:8080, [::1]:8080, :8080 (every address)\n"
         "  -threads N           workers drawing barcodes, 1..64 (default: one per processor)\n"
         "  -queue N             requests that may wait for a worker before 503 (default: 64 per worker)\n"
         "  -timelimit MS        a request waiting longer for a worker is answered 503 (default 5000)\n"
         "  -timeout SECONDS     a silent connection is closed (default 10)\n"
         "  -drain MS            how long SIGTERM waits for requests under way (default 30000)\n"
         "  -maxbody BYTES       longest request body, else 413 (default 1048576)\n"
         "  -maxheaders BYTES    longest request line and headers, else 414 or 431 (default 16384)\n"
         "  -maxdata BYTES       longest data field, else 413 (default 8192)\n"
         "  -maxpixels N         largest bitmap, else 413 (default 4194304)\n"
         "  -maxrows N           most rows of a batch, else 413 (default 1000)\n"
         "  -connections N       most open connections (default 1000)\n"
         "  -log FILE            write the access log to FILE, opened again on SIGHUP (default: standard error)\n"
         "\n"
         "Example: KestrovaBarCodeService -serve 127.0.0.1:8080 &\n"
         "         curl -o code.png 'http://127.0.0.1:8080/barcode?type=EAN-13&data=590123412345&action=pngf'\n";
}

}  // namespace kbc
