#include "support/service_process.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "support/process.h"

namespace kbc::test {

std::string HttpReply::Header(const std::string& name) const {
  const auto found = headers.find(name);
  return found == headers.end() ? std::string() : found->second;
}

HttpReply ParseReply(std::string_view raw) {
  HttpReply reply;
  const std::size_t end = raw.find("\r\n\r\n");
  if (!raw.starts_with("HTTP/1.1 ") || end == std::string_view::npos) return reply;
  reply.status = std::atoi(std::string(raw.substr(9, 3)).c_str());
  std::string_view lines = raw.substr(0, end);
  lines.remove_prefix(std::min(lines.find("\r\n"), lines.size()));
  while (!lines.empty()) {
    lines.remove_prefix(2);
    const std::string_view line = lines.substr(0, lines.find("\r\n"));
    lines.remove_prefix(line.size());
    const std::size_t colon = line.find(':');
    std::string name(line.substr(0, colon));
    std::ranges::transform(name, name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    std::string_view value = line.substr(std::min(colon + 1, line.size()));
    while (value.starts_with(' ')) value.remove_prefix(1);
    reply.headers.emplace(std::move(name), std::string(value));
  }
  reply.body = std::string(raw.substr(end + 4));
  return reply;
}

HttpConnection::HttpConnection(int port) : fd_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(std::uint16_t(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (fd_ < 0 || connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    throw std::runtime_error("cannot connect to the service");
  }
  // A server that never answers fails the test instead of hanging it.
  const timeval limit{.tv_sec = 60, .tv_usec = 0};
  setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
}

HttpConnection::~HttpConnection() {
  if (fd_ >= 0) close(fd_);
}

void HttpConnection::Write(std::string_view bytes) const {
  while (!bytes.empty()) {
    const ssize_t sent = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;  // the server closed first: its answer tells why
    bytes.remove_prefix(std::size_t(sent));
  }
}

HttpReply HttpConnection::ReadToClose() const {
  std::string raw;
  char buffer[65536];
  ssize_t got = 0;
  while ((got = recv(fd_, buffer, sizeof buffer, 0)) > 0) raw.append(buffer, std::size_t(got));
  HttpReply reply = ParseReply(raw);
  reply.closedByServer = got == 0;
  return reply;
}

ServiceProcess::ServiceProcess(const std::vector<std::string>& options) {
  static std::atomic<int> started = 0;
  logPath_ = TempDir() + "/service-" + std::to_string(++started) + ".log";
  std::vector<std::string> args = {KBC_SERVICE_EXECUTABLE, "-serve", "127.0.0.1:0"};
  args.insert(args.end(), options.begin(), options.end());
  pid_ = fork();
  if (pid_ == 0) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    setenv("SOURCE_DATE_EPOCH", "1796584560", 1);
    if (!freopen(logPath_.c_str(), "w", stderr)) _exit(127);
    execv(argv[0], argv.data());
    _exit(127);
  }
  // The start-up line names the port the kernel chose; a service that never
  // prints it has failed, and the test's own time limit ends the wait.
  const std::string marker = "listening on port ";
  for (;;) {
    const std::string log = ReadFile(logPath_);
    if (const std::size_t at = log.find(marker); at != std::string::npos && log.find('\n', at) != std::string::npos) {
      port_ = std::atoi(log.c_str() + at + marker.size());
      return;
    }
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      throw std::runtime_error("the service did not start: " + log);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

ServiceProcess::~ServiceProcess() {
  if (pid_ > 0) Stop(SIGKILL);
}

HttpReply ServiceProcess::Send(std::string_view raw) const {
  const HttpConnection connection(port_);
  connection.Write(raw);
  return connection.ReadToClose();
}

HttpReply ServiceProcess::Get(const std::string& target) const {
  return Send("GET " + target + " HTTP/1.1\r\nHost: test\r\nConnection: close\r\n\r\n");
}

HttpReply ServiceProcess::Post(const std::string& target, std::string_view contentType, std::string_view body) const {
  return Send("POST " + target + " HTTP/1.1\r\nHost: test\r\nConnection: close\r\nContent-Type: " +
              std::string(contentType) + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
              std::string(body));
}

void ServiceProcess::Signal(int signal) const {
  if (pid_ > 0) kill(pid_, signal);
}

int ServiceProcess::Wait() {
  if (pid_ <= 0) return -1;
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ServiceProcess::Log() const { return ReadFile(logPath_); }

}  // namespace kbc::test
