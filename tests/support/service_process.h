// The built KestrovaBarCodeService run as a child process on a free loopback
// port, and a bare HTTP/1.1 client that sends exactly the bytes a test gives,
// so that malformed and oversized requests reach the server as written.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kbc::test {

struct HttpReply {
  int status = 0;  // 0 when the server closed without answering
  std::multimap<std::string, std::string> headers;  // names in lower case
  std::string body;
  bool closedByServer = false;  // false when the read timed out instead
  std::string Header(const std::string& name) const;
};

class ServiceProcess {
 public:
  // Starts the service with the options after -serve 127.0.0.1:0 and waits
  // until it listens; SOURCE_DATE_EPOCH is set as the command line's runs get it.
  explicit ServiceProcess(const std::vector<std::string>& options);
  ~ServiceProcess();
  ServiceProcess(const ServiceProcess&) = delete;
  ServiceProcess& operator=(const ServiceProcess&) = delete;

  int Port() const { return port_; }
  // Sends the raw bytes on a new connection and reads the answer until the
  // server closes it.
  HttpReply Send(std::string_view raw) const;
  // GET path with "Connection: close".
  HttpReply Get(const std::string& target) const;
  HttpReply Post(const std::string& target, std::string_view contentType, std::string_view body) const;
  void Signal(int signal) const;
  // Waits for the exit status (-1 for a death by signal).
  int Wait();
  int Stop(int signal) {
    Signal(signal);
    return Wait();
  }
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  int port_ = 0;
  std::string logPath_;
};

// A connection opened and held by the test: bytes sent in pieces, the answer read when it comes.
class HttpConnection {
 public:
  explicit HttpConnection(int port);
  ~HttpConnection();
  HttpConnection(const HttpConnection&) = delete;
  HttpConnection& operator=(const HttpConnection&) = delete;
  void Write(std::string_view bytes) const;
  // Reads until the server closes the connection.
  HttpReply ReadToClose() const;

 private:
  int fd_ = -1;
};

HttpReply ParseReply(std::string_view raw);

}  // namespace kbc::test
