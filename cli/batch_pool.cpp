#include "cli/batch_pool.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "files/atomic_file.h"

namespace kbc {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kPieceBytes = 65536;

// A request refused before it is drawn: its errors, each made one line of
// stderr, and its warnings.
Status Refused(BatchRequest& request) {
  std::string lines;
  for (const std::string& error : request.errors) lines += (lines.empty() ? "" : "\n") + OneLine(error);
  Status refused = Refusal(std::move(lines));
  refused.warnings = std::move(request.warnings);
  return refused;
}

// The line a printing request prints, numbered: {"line":7,...}.
std::string Numbered(std::string printed, BatchKind kind, std::size_t number) {
  return "{\"" + std::string(kind.item) + "\":" + std::to_string(number) + "," + printed.substr(1);
}

// What a request leaves for the reporting thread: how it fared, and what it
// adds to the run's output in request order (the line a printing request
// prints, or a label's bytes for a stream; nothing for a file written).
struct Outcome {
  Status status = Done{};
  std::string output;
  bool printed = false;
};

// A request printed, or why it was refused, with its own warnings first.
Outcome PrintOne(BatchRequest request, BatchKind kind) {
  const std::size_t number = request.number;
  PrintedRequest printed;
  if (!request.errors.empty()) {
    Status refused = Refused(request);
    printed = PrintRefusedRequest(request.action, request.settings, refused.refusal);
    printed.status = std::move(refused);
  } else {
    printed = PrintRequest(request.action, std::move(request.settings));
    printed.status.refusal = OneLine(printed.status.refusal);
    printed.status.warnings.insert(printed.status.warnings.begin(), request.warnings.begin(), request.warnings.end());
  }
  return {std::move(printed.status), Numbered(std::move(printed.line), kind, number), true};
}

// A file's or a stream label's outcome from what it was drawn into.
Outcome FromDrawn(Result<std::string> drawn) {
  Outcome outcome{Done{}, drawn ? std::move(*drawn) : std::string(), false};
  if (!drawn) outcome.status = Refusal(std::move(drawn.refusal));
  outcome.status.warnings = std::move(drawn.warnings);
  return outcome;
}

// The request drawn (to its file, or its bytes for a stream), or why not,
// with the request's own warnings first; a printing request with the line it
// prints.
Outcome DrawOne(BatchRequest request, const BatchInput& input, BatchKind kind, PixelBudget& budget, bool toStream) {
  // A stream's standard output carries labels only: a printing row there is refused.
  if (PrintsRequest(request.action) && !toStream) return PrintOne(std::move(request), kind);
  if (!request.errors.empty()) return {Refused(request), {}, false};
  Outcome outcome;
  if (!toStream && input.IsInput(request.path)) {
    outcome.status =
        Refusal("\"" + request.path + "\" is the " + std::string(kind.file) + " itself; it was not overwritten");
  } else {
    PreparedRequest prepared = PrepareRequest(request.action, std::move(request.settings));
    const PixelBudget::Share share(budget, BitmapPixels(request.action, prepared));
    if (toStream) {
      outcome = FromDrawn(RenderPreparedRequest(request.action, request.path, std::move(prepared)));
    } else {
      outcome.status = DrawPreparedRequest(request.action, request.path, std::move(prepared));
    }
    outcome.status.refusal = OneLine(outcome.status.refusal);
  }
  outcome.status.warnings.insert(outcome.status.warnings.begin(), request.warnings.begin(), request.warnings.end());
  return outcome;
}

// One line on a terminal, rewritten in place: requests done, rate, and for a
// file of known size how much is read and the time left.
class Progress {
 public:
  Progress(TextOut& terminal, std::string_view items, bool shown)
      : terminal_(terminal), items_(items), shown_(shown), start_(Clock::now()) {}

  void Show(std::size_t done, std::optional<double> fraction) {
    const Clock::time_point now = Clock::now();
    const double seconds = std::chrono::duration<double>(now - start_).count();
    // Short batches finish before anyone would read a progress line, and
    // ten lines a second are all anyone reads.
    if (!shown_ || seconds < 1 || done == 0 || now - lastShown_ < std::chrono::milliseconds(100)) return;
    lastShown_ = now;
    std::string line = "\rKestrovaBarCode: " + std::to_string(done) + " " + items_ + "s, " +
                       std::to_string(std::size_t(double(done) / seconds)) + " per second";
    if (fraction && *fraction > 0) {
      line += ", " + std::to_string(int(*fraction * 100)) + "% read, " +
              std::to_string(std::size_t(seconds / *fraction - seconds)) + " s left";
    }
    terminal_.Write(line + " \x1b[K");
    drawn_ = true;
  }

  void Erase() {
    if (drawn_) terminal_.Write("\r\x1b[K");
  }

 private:
  TextOut& terminal_;
  std::string items_;
  bool shown_;
  Clock::time_point start_;
  Clock::time_point lastShown_;
  bool drawn_ = false;
};

std::size_t WorkerCount(int requested) {
  return requested > 0 ? std::size_t(requested) : std::max(1u, std::thread::hardware_concurrency());
}

// Requests between the oldest not yet reported and the newest read. A slot's
// request is taken by a worker and replaced by its result.
struct Slot {
  std::size_t number = 0;
  BatchRequest request;
  Outcome result;
  bool done = false;
};

}  // namespace

BatchInput::BatchInput(const std::string& path) {
  if (path == "-") {
    fd_ = STDIN_FILENO;
  } else {
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    owned_ = fd_ >= 0;
  }
  struct stat info {};
  if (fd_ >= 0 && fstat(fd_, &info) == 0) {
    device_ = info.st_dev;
    inode_ = info.st_ino;
    identified_ = true;
    if (S_ISREG(info.st_mode)) size_ = std::uint64_t(info.st_size);
  }
}

BatchInput::~BatchInput() {
  if (owned_) close(fd_);
}

bool BatchInput::ReadPiece(const std::function<void(std::string_view)>& feed) {
  if (fd_ < 0 || failed_) return false;
  char buffer[kPieceBytes];
  for (;;) {
    const ssize_t n = read(fd_, buffer, sizeof buffer);
    if (n > 0) {
      read_ += std::uint64_t(n);
      feed({buffer, std::size_t(n)});
      return true;
    }
    if (n == 0) return false;
    if (errno != EINTR) {
      failed_ = true;
      return false;
    }
  }
}

std::optional<double> BatchInput::FractionRead() const {
  if (size_ == 0) return std::nullopt;
  return std::min(1.0, double(read_) / double(size_));
}

bool BatchInput::IsInput(const std::string& path) const {
  struct stat info {};
  return identified_ && stat(path.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_;
}

std::optional<std::string> StreamOverInput(const LabelStream& stream, const BatchInput& input,
                                           std::string_view file) {
  if (stream.ToStandardOutput() || !input.IsInput(stream.Path())) return std::nullopt;
  return "\"" + stream.Path() + "\" is the " + std::string(file) + " itself; it was not overwritten";
}

int DrawBatch(BatchInput& input, const std::function<std::optional<BatchRequest>()>& next, int threads,
              BatchKind kind, TextOut& out, TextOut& err, LabelStream* stream) {
  // The signal handlers that remove unfinished files stay installed for the
  // whole batch instead of for each file.
  const CleanupHandlers cleanup;
  const std::size_t workerCount = WorkerCount(threads);
  // Enough requests ahead that a slow one does not idle the other workers.
  std::vector<Slot> slots(std::max<std::size_t>(64, 8 * workerCount));
  PixelBudget budget(kBatchPixelBudget);
  std::mutex mutex;
  std::condition_variable queuedOrClosed;
  std::condition_variable finished;
  // Requests numbered in input order: [reported, taken) are being drawn or
  // wait to be reported, [taken, drawable) wait for a worker. A last request
  // that ends the run is read but never drawable.
  std::size_t reported = 0;
  std::size_t taken = 0;
  std::size_t drawable = 0;
  std::size_t read = 0;
  std::size_t drawn = 0;  // requests the workers have finished
  bool closed = false;

  const auto work = [&] {
    std::unique_lock lock(mutex);
    for (;;) {
      queuedOrClosed.wait(lock, [&] { return taken < drawable || closed; });
      if (taken == drawable) return;
      Slot& slot = slots[taken++ % slots.size()];
      BatchRequest request = std::move(slot.request);
      lock.unlock();
      // After a cleanup signal the run is ending: no request starts, and none is reported.
      Outcome result{Refusal(""), {}, false};
      try {
        if (!CleanupStarted()) result = DrawOne(std::move(request), input, kind, budget, stream != nullptr);
      } catch (const std::bad_alloc&) {
        result = {Refusal("out of memory"), {}, false};
      }
      lock.lock();
      slot.result = std::move(result);
      slot.done = true;
      ++drawn;
      // The reporting thread is woken once half the slots wait to be
      // reported, or when no request is left to draw: waking it for each
      // label cost every label two system calls and a switch of threads.
      if (taken == drawable || 2 * (drawn - std::min(drawn, reported)) >= slots.size()) finished.notify_one();
    }
  };
  std::vector<std::jthread> workers;
  for (std::size_t i = 0; i < workerCount; ++i) workers.emplace_back(work);

  const bool onTerminal = err.IsTerminal();
  Progress progress(err, kind.item, onTerminal);
  bool allWritten = true;
  bool printFailed = false;
  // Reports the oldest request once it is done; false while it is not.
  const auto reportOldest = [&](std::unique_lock<std::mutex>& lock) {
    Slot& slot = slots[reported % slots.size()];
    if (reported == read || !slot.done) return false;
    const Status result = std::move(slot.result.status);
    const std::string output = std::move(slot.result.output);
    const bool printed = slot.result.printed;
    const std::size_t number = slot.number;
    slot = {};
    ++reported;
    lock.unlock();
    const std::string where = std::string(kind.item) + " " + std::to_string(number) + ": ";
    for (std::size_t start = 0; start < result.refusal.size();) {
      const std::size_t end = std::min(result.refusal.find('\n', start), result.refusal.size());
      err.Write("KestrovaBarCode: " + where + result.refusal.substr(start, end - start) + '\n');
      start = end + 1;
    }
    for (const std::string& warning : result.warnings) {
      err.Write("KestrovaBarCode: warning: " + where + OneLine(warning) + '\n');
    }
    // Lines and stream labels leave in request order, from this thread alone.
    if (printed && !out.Write(output + '\n')) {
      err.Write("KestrovaBarCode: " + where + "the description could not be written to standard output\n");
      printFailed = true;
    }
    if (!printed && result && stream != nullptr && !stream->Add(output)) allWritten = false;
    allWritten = allWritten && bool(result) && !printFailed;
    lock.lock();
    return true;
  };
  const auto waitForOldest = [&](std::unique_lock<std::mutex>& lock) {
    if (reportOldest(lock)) return;
    // Woken by every request a worker finishes; helgrind, which checks these
    // threads, cannot follow the timed waits of Debian 12's C library.
    finished.wait(lock);
    const std::size_t done = reported;
    lock.unlock();
    progress.Show(done, input.FractionRead());
    lock.lock();
  };

  for (bool more = true; more && !CleanupStarted();) {
    std::optional<BatchRequest> request = next();
    if (!request) break;
    more = !request->endsRun;
    std::unique_lock lock(mutex);
    while (read - reported == slots.size()) waitForOldest(lock);
    Slot& slot = slots[read % slots.size()];
    slot.number = request->number;
    if (more) {
      slot.request = std::move(*request);
      drawable = read + 1;
    } else {
      slot.result = PrintsRequest(request->action) && stream == nullptr ? PrintOne(std::move(*request), kind) : Outcome{Refused(*request), {}, false};
      slot.done = true;
    }
    ++read;
    queuedOrClosed.notify_one();
    while (reportOldest(lock)) {
    }
  }
  {
    std::unique_lock lock(mutex);
    closed = true;
    queuedOrClosed.notify_all();
    while (reported < read) waitForOldest(lock);
  }
  workers.clear();
  progress.Erase();
  return allWritten ? kExitWritten : kExitNotProduced;
}

}  // namespace kbc
