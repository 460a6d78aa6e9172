// What the service answers one request with: a status, a body and its media
// type, and the warnings, which travel in headers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kbc {

// HTTP statuses the answers use.
inline constexpr int kHttpOk = 200;
inline constexpr int kHttpBadRequest = 400;
inline constexpr int kHttpNotFound = 404;
inline constexpr int kHttpMethodNotAllowed = 405;
inline constexpr int kHttpPayloadTooLarge = 413;
inline constexpr int kHttpUnsupportedMediaType = 415;
inline constexpr int kHttpUnprocessable = 422;
inline constexpr int kHttpInternalError = 500;
inline constexpr int kHttpServiceUnavailable = 503;

struct Answer {
  int status = kHttpOk;
  std::string mediaType = {};
  std::string body = {};
  std::vector<std::string> warnings = {};
  std::string fileName = {};  // for Content-Disposition; empty for none
  std::string reason = {};    // a refusal's, as its body gives it
};

// A refusal: its status and a JSON body {"status":…,"reason":…}.
Answer RefusalAnswer(int status, std::string_view reason);

// A strong entity tag for the body: outputs are deterministic, so equal
// bytes get equal tags and any changed byte a new one. Quoted, as the header
// carries it.
std::string EntityTag(std::string_view body);

}  // namespace kbc
