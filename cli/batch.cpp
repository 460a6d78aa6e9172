#include "cli/batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <chrono>
#include <new>
#include <thread>

#include "core/string_ops.h"
#include "platform/atomic_file.h"
#include "platform/argument_text.h"

namespace kbc {
namespace {

using Clock = std::chrono::steady_clock;

bool ReadAll(int fd, const std::function<void(std::string_view)>& feed) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n > 0) {
      feed({buffer, std::size_t(n)});
    } else if (errno != EINTR) {
      return false;
    }
  }
}

// The input file itself, so that no request's output replaces it.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool known = false;
};

FileIdentity IdentityOf(const std::string& path) {
  struct stat info {};
  if (path == "-" || stat(path.c_str(), &info) != 0) return {};
  return {info.st_dev, info.st_ino, true};
}

bool IsSameFile(const FileIdentity& input, const std::string& path) {
  const FileIdentity output = IdentityOf(path);
  return input.known && output.known && input.device == output.device && input.inode == output.inode;
}

BatchRequest MakeLineRequest(const CommandLine& line, const BatchLine& batchLine) {
  BatchRequest request{batchLine.number, line.action, {}, {}, {}};
  if (batchLine.tooLong) {
    request.refusal.errors = {"the line is longer than " + std::to_string(kLongestBatchLine) +
                              " bytes, more than any symbology takes; it was not read"};
    return request;
  }
  request.path = BatchOutputPath(line.outputPath, batchLine.number);
  request.settings = line.settings;
  ArgumentText data = DecodeArgument(batchLine.bytes);
  request.settings.data = std::move(data.text);
  request.settings.dataUtf8 = data.utf8;
  UnescapeControlChars(request.settings.data);
  return request;
}

RequestResult DrawOne(BatchRequest request, const FileIdentity& input, BatchKind kind) {
  if (!request.refusal.errors.empty()) return std::move(request.refusal);
  if (IsSameFile(input, request.path)) {
    return {false, {"\"" + request.path + "\" is the " + std::string(kind.file) + " itself; it was not overwritten"},
            std::move(request.refusal.warnings)};
  }
  RequestResult result = DrawRequest(request.action, request.path, std::move(request.settings));
  result.warnings.insert(result.warnings.begin(), request.refusal.warnings.begin(), request.refusal.warnings.end());
  return result;
}

// One line on a terminal, rewritten in place: lines done, rate, time left.
class Progress {
 public:
  Progress(TextOut& terminal, std::size_t total, std::string_view items, bool shown)
      : terminal_(terminal), total_(total), items_(items), shown_(shown), start_(Clock::now()) {}

  void Show(std::size_t done) {
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    // Short batches finish before anyone would read a progress line.
    if (!shown_ || seconds < 1 || done == 0) return;
    const double rate = double(done) / seconds;
    const auto left = std::size_t(double(total_ - done) / rate);
    terminal_.Write("\rKestrovaBarCode: " + std::to_string(done) + "/" + std::to_string(total_) + " " + items_ + "s, " +
                    std::to_string(std::size_t(rate)) + " per second, " + std::to_string(left) + " s left \x1b[K");
    drawn_ = true;
  }

  void Erase() {
    if (drawn_) terminal_.Write("\r\x1b[K");
  }

 private:
  TextOut& terminal_;
  std::size_t total_;
  std::string items_;
  bool shown_;
  Clock::time_point start_;
  bool drawn_ = false;
};

std::size_t WorkerCount(int requested, std::size_t lines) {
  const std::size_t wanted = requested > 0 ? std::size_t(requested) : std::max(1u, std::thread::hardware_concurrency());
  return std::max<std::size_t>(1, std::min(wanted, lines));
}

}  // namespace

void BatchLineSplitter::Feed(std::string_view bytes, std::vector<BatchLine>& lines) {
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    const std::string_view part = bytes.substr(0, end);
    // One byte more than the limit is kept, for the CR that may end the line.
    if (!tooLong_ && line_.size() + part.size() <= kLongestBatchLine + 1) {
      line_ += part;
    } else {
      tooLong_ = true;
      line_.clear();
    }
    if (end == std::string_view::npos) return;
    EndLine(lines);
    bytes.remove_prefix(end + 1);
  }
}

void BatchLineSplitter::Finish(std::vector<BatchLine>& lines) {
  if (!line_.empty() || tooLong_) EndLine(lines);
}

void BatchLineSplitter::EndLine(std::vector<BatchLine>& lines) {
  if (line_.ends_with('\r')) line_.pop_back();
  tooLong_ = tooLong_ || line_.size() > kLongestBatchLine;
  if (tooLong_) {
    lines.push_back({number_, {}, true});
  } else if (!line_.empty()) {
    lines.push_back({number_, line_, false});
  }
  ++number_;
  line_.clear();
  tooLong_ = false;
}

std::vector<BatchLine> SplitBatchLines(std::string_view contents) {
  std::vector<BatchLine> lines;
  BatchLineSplitter splitter;
  splitter.Feed(contents, lines);
  splitter.Finish(lines);
  return lines;
}

std::string BatchOutputPath(std::string_view pattern, std::size_t lineNumber) {
  const std::size_t slash = pattern.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const std::string number = std::to_string(lineNumber);
  std::string path(pattern.substr(0, nameStart));
  const std::string_view name = pattern.substr(nameStart);
  if (name.find('#') == std::string_view::npos) {
    // The extension starts at the last dot that does not begin the name.
    const std::size_t dot = name.rfind('.');
    const std::size_t cut = dot == std::string_view::npos || dot == 0 ? name.size() : dot;
    return path + std::string(name.substr(0, cut)) + "-" + number + std::string(name.substr(cut));
  }
  for (std::size_t i = 0; i < name.size();) {
    if (name[i] != '#') {
      path += name[i++];
      continue;
    }
    std::size_t run = 0;
    while (i < name.size() && name[i] == '#') ++i, ++run;
    if (number.size() < run) path.append(run - number.size(), '0');
    path += number;
  }
  return path;
}

bool ReadBatchInput(const std::string& path, const std::function<void(std::string_view)>& feed) {
  if (path == "-") return ReadAll(STDIN_FILENO, feed);
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool read = ReadAll(fd, feed);
  close(fd);
  return read;
}

int DrawBatch(std::size_t count, const std::function<BatchRequest(std::size_t)>& make, int threads,
              const std::string& inputPath, BatchKind kind, TextOut& err) {
  const FileIdentity input = IdentityOf(inputPath);
  // The signal handlers that remove unfinished files stay installed for the
  // whole batch instead of for each file.
  const CleanupHandlers cleanup;
  std::vector<std::size_t> numbers(count);
  std::vector<RequestResult> results(count);
  std::atomic<std::size_t> next = 0;
  std::atomic<std::size_t> done = 0;
  const auto work = [&] {
    // After a cleanup signal the run is ending: no request starts.
    for (std::size_t i = next++; i < count && !CleanupStarted(); i = next++) {
      try {
        BatchRequest request = make(i);
        numbers[i] = request.number;
        results[i] = DrawOne(std::move(request), input, kind);
      } catch (const std::bad_alloc&) {
        results[i] = {false, {"out of memory"}, {}};
      }
      ++done;
    }
  };
  std::vector<std::jthread> workers;
  const std::size_t workerCount = WorkerCount(threads, count);
  for (std::size_t i = 0; i < workerCount; ++i) workers.emplace_back(work);

  // Progress is shown only on a terminal; elsewhere the workers are simply awaited.
  const bool onTerminal = err.IsTerminal();
  Progress progress(err, count, kind.item, onTerminal);
  while (onTerminal && done < count) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    progress.Show(done);
  }
  workers.clear();
  progress.Erase();

  bool allWritten = true;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string where = std::string(kind.item) + " " + std::to_string(numbers[i]) + ": ";
    for (const std::string& error : results[i].errors) err.Write("KestrovaBarCode: " + where + OneLine(error) + '\n');
    for (const std::string& warning : results[i].warnings) {
      err.Write("KestrovaBarCode: warning: " + where + OneLine(warning) + '\n');
    }
    allWritten = allWritten && results[i].written;
  }
  return allWritten ? kExitWritten : kExitNotProduced;
}

int RunBatch(const CommandLine& line, TextOut& err) {
  std::vector<BatchLine> lines;
  BatchLineSplitter splitter;
  if (!ReadBatchInput(line.batchPath, [&](std::string_view bytes) { splitter.Feed(bytes, lines); })) {
    err.Write("KestrovaBarCode: " + OneLine("cannot read the batch file \"" + line.batchPath + "\"") + '\n');
    return kExitNotProduced;
  }
  splitter.Finish(lines);
  if (lines.empty()) {
    err.Write("KestrovaBarCode: warning: " + OneLine("the batch file \"" + line.batchPath + "\" has no data") + '\n');
    return kExitWritten;
  }
  return DrawBatch(
      lines.size(), [&](std::size_t i) { return MakeLineRequest(line, lines[i]); }, line.threads, line.batchPath,
      {"line", "batch file"}, err);
}

}  // namespace kbc
