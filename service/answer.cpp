#include "service/answer.h"

#include <nlohmann/json.hpp>

#include <cstdio>

#include "request/options.h"

namespace kbc {

Answer RefusalAnswer(int status, std::string_view reason) {
  // Reasons quote what was typed, which need not be UTF-8: shown escaped.
  std::string line = OneLine(reason);
  const nlohmann::json body = {{"status", status}, {"reason", line}};
  return {.status = status,
          .mediaType = "application/json",
          .body = body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + '\n',
          .reason = std::move(line)};
}

std::string EntityTag(std::string_view body) {
  // Two independent 64-bit FNV-1a digests (different offset bases): a tag
  // names one body among a client's few cached ones, so 128 bits leave no
  // practical chance of two bodies sharing one.
  std::uint64_t first = 0xcbf29ce484222325u;
  std::uint64_t second = 0x84222325cbf29ce4u;
  for (const char c : body) {
    first = (first ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    second = (second ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    second ^= second >> 29;
  }
  char tag[40];
  std::snprintf(tag, sizeof tag, "\"%016llx%016llx\"", static_cast<unsigned long long>(first),
                static_cast<unsigned long long>(second));
  return tag;
}

}  // namespace kbc
