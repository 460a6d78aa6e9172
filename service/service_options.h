// The service program's own arguments, option/value pairs as the command
// line's are.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/result.h"
#include "service/http_server.h"

namespace kbc {

struct ServiceOptions {
  ServerSettings server;
  std::string listen;   // as given, for the start-up line
  std::string logPath;  // -log: standard error goes to this file
  std::chrono::milliseconds drainGrace{30000};
};

// Refused, with the reason, for an unknown option, a value out of range or
// an address that names no local socket address.
Result<ServiceOptions> ReadServiceOptions(std::span<const std::string_view> args);

// --help's text.
std::string ServiceHelpText();

}  // namespace kbc
