// KestrovaBarCodeService: the command line's barcodes over HTTP. A program of
// its own, so that the command line's runs load no HTTP library.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "service/service_options.h"

namespace {

void Say(const std::string& message) {
  const std::string line = "KestrovaBarCodeService: " + message + "\n";
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
}

int Serve(int argc, char** argv) {
  const std::vector<std::string_view> args(argv, argv + argc);
  if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
    std::fputs(kbc::ServiceHelpText().c_str(), stdout);
    return 0;
  }
  const kbc::Result<kbc::ServiceOptions> options = kbc::ReadServiceOptions(args);
  if (!options) {
    Say(options.refusal);
    std::fputs(kbc::ServiceHelpText().c_str(), stderr);
    return 2;
  }
  // The signals are taken by this thread alone, with sigwait: every thread
  // started from here on inherits the mask.
  sigset_t signals;
  sigemptyset(&signals);
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&signals, signal);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  const kbc::AccessLog log(options->logPath);
  if (const kbc::Status opened = log.Reopen(); !opened) {
    Say(opened.refusal);
    return 1;
  }
  kbc::Result<std::unique_ptr<kbc::HttpServer>> server = kbc::HttpServer::Start(options->server, log);
  if (!server) {
    Say(server.refusal + ": " + options->listen);
    return 1;
  }
  Say("listening on port " + std::to_string((*server)->Port()) + " (" + options->listen + ") with " +
      std::to_string(options->server.workers) + " workers");
  for (;;) {
    int received = 0;
    if (sigwait(&signals, &received) != 0) continue;
    if (received == SIGHUP) {
      if (const kbc::Status reopened = log.Reopen(); !reopened) Say(reopened.refusal);
      continue;
    }
    Say("draining");
    (*server)->Drain(options->drainGrace);
    Say("stopped");
    return 0;
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Serve(argc, argv);
  } catch (const std::bad_alloc&) {
    constexpr char kMessage[] = "KestrovaBarCodeService: out of memory\n";
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    return 1;
  }
}
