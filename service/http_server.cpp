#include "service/http_server.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <unistd.h>

#include <cstdlib>
#include <new>
#include <string>
#include <thread>

#include "service/batch_answer.h"
#include "service/barcode_answer.h"
#include "service/json_fields.h"
#include "request/options.h"

namespace kbc {

// One request, from its request line to its last byte sent.
struct HttpServer::Exchange {
  std::string uri;  // as the request line gave it, still percent-encoded
  std::chrono::steady_clock::time_point began = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point queued;
  bool headersRead = false;
  std::string method;
  std::string route;
  std::string client;
  std::string contentType;
  std::string ifNoneMatch;
  std::string body;
  std::size_t received = 0;  // the body's bytes, kept or not
  bool bodyTooLarge = false;
  bool answered = false;  // by a worker, the connection then resumed
  Answer answer;
  int status = 0;
  std::size_t bytes = 0;
};

namespace {

using Exchange = HttpServer::Exchange;
constexpr std::size_t kMostWarningHeaders = 20;

std::string_view RouteOf(std::string_view path) {
  for (const std::string_view route : {"/barcode", "/batch", "/healthz", "/readyz", "/metrics"}) {
    if (path == route) return route;
  }
  return "other";
}

std::string Header(MHD_Connection* connection, const char* name) {
  const char* value = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string ClientOf(MHD_Connection* connection) {
  const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
  if (info == nullptr || info->client_addr == nullptr) return "-";
  char text[INET6_ADDRSTRLEN] = "-";
  const sockaddr* address = info->client_addr;
  if (address->sa_family == AF_INET) {
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
  } else if (address->sa_family == AF_INET6) {
    inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text, sizeof text);
  }
  return text;
}

// Only a plain name goes into the header's quotes.
bool PlainFileName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\' || c == '/') return false;
  }
  return true;
}

MHD_Result Send(HttpServer& server, MHD_Connection* connection, Exchange& exchange, Answer answer,
                bool cacheable = false) {
  int status = answer.status;
  std::string tag;
  if (cacheable && status == kHttpOk) {
    tag = EntityTag(answer.body);
    if (exchange.ifNoneMatch == tag || exchange.ifNoneMatch == "*") {
      status = 304;
      answer.body.clear();
    }
  }
  MHD_Response* response =
      MHD_create_response_from_buffer(answer.body.size(), answer.body.data(), MHD_RESPMEM_MUST_COPY);
  if (response == nullptr) return MHD_NO;
  if (!answer.mediaType.empty() && status != 304) {
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.mediaType.c_str());
  }
  if (!tag.empty()) {
    MHD_add_response_header(response, MHD_HTTP_HEADER_ETAG, tag.c_str());
    // Equal requests give equal bytes, for as long as this version serves them.
    MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL, "public, max-age=86400");
  } else {
    MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-store");
  }
  if (PlainFileName(answer.fileName) && status == kHttpOk) {
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_DISPOSITION,
                            ("inline; filename=\"" + answer.fileName + "\"").c_str());
  }
  for (std::size_t i = 0; i < answer.warnings.size() && i < kMostWarningHeaders; ++i) {
    MHD_add_response_header(response, "Barcode-Warning", OneLine(answer.warnings[i]).c_str());
  }
  if (answer.warnings.size() > kMostWarningHeaders) {
    MHD_add_response_header(response, "Barcode-Warning",
                            (std::to_string(answer.warnings.size() - kMostWarningHeaders) + " more warnings").c_str());
  }
  if (status == kHttpServiceUnavailable) MHD_add_response_header(response, MHD_HTTP_HEADER_RETRY_AFTER, "1");
  if (status == kHttpMethodNotAllowed) {
    MHD_add_response_header(response, MHD_HTTP_HEADER_ALLOW, exchange.route == "/barcode" ? "GET, POST" : exchange.route == "/batch" ? "POST" : "GET");
  }
  // A draining service asks its clients to reconnect, to a replica that stays.
  if (server.Draining()) MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
  exchange.status = status;
  exchange.bytes = answer.body.size();
  const MHD_Result queued = MHD_queue_response(connection, static_cast<unsigned>(status), response);
  MHD_destroy_response(response);
  return queued;
}

Answer Plain(int status, std::string text) {
  return {.status = status, .mediaType = "text/plain; charset=utf-8", .body = std::move(text)};
}

// The query's fields, then for a POST the body's; the body's win, coming later.
Result<std::vector<FormField>> RequestFields(const Exchange& exchange, bool batch) {
  const std::size_t question = exchange.uri.find('?');
  Result<std::vector<FormField>> fields =
      ReadFormFields(question == std::string::npos ? std::string_view() : std::string_view(exchange.uri).substr(question + 1));
  if (!fields || exchange.method != "POST" || batch) return fields;
  const std::string_view type = std::string_view(exchange.contentType).substr(0, exchange.contentType.find(';'));
  Result<std::vector<FormField>> body = type == "application/json"                    ? ReadJsonFields(exchange.body)
                                        : type == "application/x-www-form-urlencoded" ? ReadFormFields(exchange.body)
                                        : Result<std::vector<FormField>>(Refusal(
                                              "a POST to /barcode takes application/x-www-form-urlencoded or application/json"));
  if (!body) return body;
  for (FormField& field : *body) fields->push_back(std::move(field));
  return fields;
}

Answer Work(HttpServer& server, const Exchange& exchange) {
  const bool batch = exchange.route == "/batch";
  if (std::chrono::steady_clock::now() - exchange.queued > server.Settings().queueTimeLimit) {
    return RefusalAnswer(kHttpServiceUnavailable, "the request waited longer than the time limit for a worker");
  }
  try {
    const Result<std::vector<FormField>> fields = RequestFields(exchange, batch);
    if (!fields) {
      const bool unsupported = fields.refusal.starts_with("a POST to");
      return RefusalAnswer(unsupported ? kHttpUnsupportedMediaType : kHttpBadRequest, fields.refusal);
    }
    return batch ? AnswerBatch(exchange.body, *fields, server.Settings().limits)
                 : AnswerBarcode(*fields, server.Settings().limits);
  } catch (const std::bad_alloc&) {
    return RefusalAnswer(kHttpServiceUnavailable, "out of memory");
  }
}

// Everything read: answered here when cheap, else handed to a worker.
MHD_Result Dispatch(HttpServer& server, MHD_Connection* connection, Exchange& exchange) {
  if (exchange.bodyTooLarge) {
    return Send(server, connection, exchange,
                RefusalAnswer(kHttpPayloadTooLarge, "the body is longer than the " +
                                                        std::to_string(server.Settings().bodyBytes) + " bytes a request may send"));
  }
  const std::string& route = exchange.route;
  const bool get = exchange.method == "GET" || exchange.method == "HEAD";
  const bool allowed = route == "/barcode" ? get || exchange.method == "POST" : route == "/batch" ? exchange.method == "POST" : get;
  if (route == "other") return Send(server, connection, exchange, RefusalAnswer(kHttpNotFound, "no such route"));
  if (!allowed) return Send(server, connection, exchange, RefusalAnswer(kHttpMethodNotAllowed, "method not allowed here"));
  if (route == "/healthz") return Send(server, connection, exchange, Plain(kHttpOk, "ok\n"));
  if (route == "/readyz") {
    return Send(server, connection, exchange,
                server.Draining() ? Plain(kHttpServiceUnavailable, "draining\n") : Plain(kHttpOk, "ready\n"));
  }
  if (route == "/metrics") {
    return Send(server, connection, exchange,
                {.status = kHttpOk,
                 .mediaType = "text/plain; version=0.0.4; charset=utf-8",
                 .body = server.Counters().Text(server.Queue().Depth(), server.Queue().Busy(), server.InFlight())});
  }
  exchange.queued = std::chrono::steady_clock::now();
  // Suspended before the job can resume it: a resume must follow its suspend.
  MHD_suspend_connection(connection);
  const bool taken = server.Queue().TrySubmit([&server, connection, &exchange] {
    exchange.answer = Work(server, exchange);
    exchange.answered = true;
    MHD_resume_connection(connection);
  });
  if (taken) return MHD_YES;
  MHD_resume_connection(connection);
  exchange.answer = RefusalAnswer(kHttpServiceUnavailable, "every worker is busy and the queue is full");
  exchange.answered = true;
  return MHD_YES;
}

MHD_Result Handle(void* context, MHD_Connection* connection, const char* url, const char* method, const char*,
                  const char* upload, size_t* uploadSize, void** state) {
  auto& server = *static_cast<HttpServer*>(context);
  auto* exchange = static_cast<Exchange*>(*state);
  if (exchange == nullptr) return MHD_NO;  // no request line was logged: cannot happen
  if (!exchange->headersRead) {
    exchange->headersRead = true;
    exchange->method = method;
    exchange->route = RouteOf(url);
    exchange->client = ClientOf(connection);
    exchange->contentType = Header(connection, MHD_HTTP_HEADER_CONTENT_TYPE);
    exchange->ifNoneMatch = Header(connection, MHD_HTTP_HEADER_IF_NONE_MATCH);
    // A body announced too long is refused before a byte of it is read.
    const std::string length = Header(connection, MHD_HTTP_HEADER_CONTENT_LENGTH);
    if (!length.empty() && std::strtoull(length.c_str(), nullptr, 10) > server.Settings().bodyBytes) {
      exchange->bodyTooLarge = true;
      return Dispatch(server, connection, *exchange);
    }
    return MHD_YES;
  }
  if (*uploadSize > 0) {
    // A body sent without its length is read on, unkept, so that the 413 is
    // read by a client still sending (a close with unread bytes would reset
    // the connection and lose the answer); one that goes on far past the
    // limit is cut off.
    exchange->received += *uploadSize;
    if (exchange->received > server.Settings().bodyBytes) {
      exchange->bodyTooLarge = true;
      exchange->body.clear();
      exchange->body.shrink_to_fit();
      if (exchange->received / 4 > server.Settings().bodyBytes) return MHD_NO;
    } else {
      exchange->body.append(upload, *uploadSize);
    }
    *uploadSize = 0;
    return MHD_YES;
  }
  if (exchange->answered) {
    // Only a drawn file is worth a cache's keeping; the probes and refusals are not.
    const bool file = exchange->answer.status == kHttpOk;
    return Send(server, connection, *exchange, std::move(exchange->answer), file);
  }
  return Dispatch(server, connection, *exchange);
}

void* RequestBegan(void* context, const char* uri, MHD_Connection*) {
  static_cast<HttpServer*>(context)->Began();
  auto* exchange = new (std::nothrow) Exchange;
  if (exchange != nullptr) exchange->uri = uri;
  return exchange;
}

void RequestEnded(void* context, MHD_Connection*, void** state, MHD_RequestTerminationCode) {
  auto& server = *static_cast<HttpServer*>(context);
  auto* exchange = static_cast<Exchange*>(*state);
  if (exchange != nullptr) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - exchange->began).count();
    // A request the client gave up on before any answer is counted as such.
    const int status = exchange->status == 0 ? 499 : exchange->status;
    server.Counters().Record(exchange->route.empty() ? "other" : exchange->route, status, seconds);
    server.Log().Write(exchange->client, exchange->method, exchange->uri, status, exchange->bytes, seconds);
    delete exchange;
    *state = nullptr;
  }
  server.Ended();
}

}  // namespace

HttpServer::HttpServer(const ServerSettings& settings, const AccessLog& log)
    : settings_(settings), log_(log), queue_(std::make_unique<WorkQueue>(settings.workers, settings.queueCapacity)) {}

Result<std::unique_ptr<HttpServer>> HttpServer::Start(const ServerSettings& settings, const AccessLog& log) {
  std::unique_ptr<HttpServer> server(new HttpServer(settings, log));
  const unsigned flags = MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_ALLOW_SUSPEND_RESUME;
  server->daemon_ = MHD_start_daemon(
      flags, 0, nullptr, nullptr, &Handle, server.get(),
      MHD_OPTION_SOCK_ADDR, reinterpret_cast<const sockaddr*>(&server->settings_.address),
      MHD_OPTION_CONNECTION_MEMORY_LIMIT, settings.headerBytes,
      MHD_OPTION_CONNECTION_LIMIT, static_cast<unsigned>(settings.connections),
      MHD_OPTION_CONNECTION_TIMEOUT, settings.idleSeconds,
      MHD_OPTION_URI_LOG_CALLBACK, &RequestBegan, server.get(),
      MHD_OPTION_NOTIFY_COMPLETED, &RequestEnded, server.get(),
      MHD_OPTION_END);
  if (server->daemon_ == nullptr) return Refusal("cannot listen on the address given (in use, or not this machine's)");
  return server;
}

// The workers finish first: a job resumes its suspended connection, which
// only a running daemon may do, and a daemon must not stop with a connection
// still suspended.
HttpServer::~HttpServer() {
  queue_->Finish();
  if (daemon_ != nullptr) MHD_stop_daemon(daemon_);
}

std::uint16_t HttpServer::Port() const {
  const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
  return info == nullptr ? 0 : info->port;
}

void HttpServer::Ended() {
  {
    const std::lock_guard lock(endedMutex_);
    --inFlight_;
  }
  ended_.notify_all();
}

void HttpServer::Drain(std::chrono::milliseconds grace) {
  draining_ = true;
  const MHD_socket listening = MHD_quiesce_daemon(daemon_);
  if (listening != MHD_INVALID_SOCKET) close(listening);
  std::unique_lock lock(endedMutex_);
  ended_.wait_for(lock, grace, [this] { return inFlight_ == 0; });
  lock.unlock();
  queue_->Finish();
  MHD_stop_daemon(daemon_);
  daemon_ = nullptr;
}

}  // namespace kbc
