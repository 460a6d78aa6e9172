#include "cli/batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "core/string_ops.h"
#include "platform/atomic_file.h"
#include "platform/mac_roman.h"

namespace kbc {
namespace {

using Clock = std::chrono::steady_clock;

std::optional<std::string> ReadAll(int fd) {
  std::string contents;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) return contents;
    if (n > 0) {
      contents.append(buffer, std::size_t(n));
    } else if (errno != EINTR) {
      return std::nullopt;
    }
  }
}

std::optional<std::string> ReadBatchFile(const std::string& path) {
  if (path == "-") return ReadAll(STDIN_FILENO);
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> contents = ReadAll(fd);
  close(fd);
  return contents;
}

// The batch file itself, so that no line's output replaces it.
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

RequestResult DrawLine(const CommandLine& line, const BatchLine& batchLine, const FileIdentity& input) {
  const std::string path = BatchOutputPath(line.outputPath, batchLine.number);
  if (IsSameFile(input, path)) {
    return {false, {"\"" + path + "\" is the batch file itself; it was not overwritten"}, {}};
  }
  BarcodeSettings settings = line.settings;
  settings.data = DecodeMacRoman(batchLine.bytes);
  UnescapeControlChars(settings.data);
  return DrawRequest(line.action, path, std::move(settings));
}

// One line on a terminal, rewritten in place: lines done, rate, time left.
class Progress {
 public:
  Progress(TextOut& terminal, std::size_t total, bool shown)
      : terminal_(terminal), total_(total), shown_(shown), start_(Clock::now()) {}

  void Show(std::size_t done) {
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    // Short batches finish before anyone would read a progress line.
    if (!shown_ || seconds < 1 || done == 0) return;
    const double rate = double(done) / seconds;
    const auto left = std::size_t(double(total_ - done) / rate);
    terminal_.Write("\rKestrovaBarCode: " + std::to_string(done) + "/" + std::to_string(total_) + " lines, " +
                    std::to_string(std::size_t(rate)) + " per second, " + std::to_string(left) + " s left \x1b[K");
    drawn_ = true;
  }

  void Erase() {
    if (drawn_) terminal_.Write("\r\x1b[K");
  }

 private:
  TextOut& terminal_;
  std::size_t total_;
  bool shown_;
  Clock::time_point start_;
  bool drawn_ = false;
};

std::size_t WorkerCount(int requested, std::size_t lines) {
  const std::size_t wanted = requested > 0 ? std::size_t(requested) : std::max(1u, std::thread::hardware_concurrency());
  return std::max<std::size_t>(1, std::min(wanted, lines));
}

}  // namespace

std::vector<BatchLine> SplitBatchLines(std::string_view contents) {
  std::vector<BatchLine> lines;
  std::size_t number = 0;
  while (!contents.empty()) {
    const std::size_t end = contents.find('\n');
    std::string_view text = contents.substr(0, end);
    contents = end == std::string_view::npos ? std::string_view() : contents.substr(end + 1);
    ++number;
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (!text.empty()) lines.push_back({number, std::string(text)});
  }
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

int RunBatch(const CommandLine& line, TextOut& err) {
  const std::optional<std::string> contents = ReadBatchFile(line.batchPath);
  if (!contents) {
    err.Write("KestrovaBarCode: " + OneLine("cannot read the batch file \"" + line.batchPath + "\"") + '\n');
    return kExitNotProduced;
  }
  const std::vector<BatchLine> lines = SplitBatchLines(*contents);
  if (lines.empty()) {
    err.Write("KestrovaBarCode: warning: " + OneLine("the batch file \"" + line.batchPath + "\" has no data") + '\n');
    return kExitWritten;
  }

  const FileIdentity input = IdentityOf(line.batchPath);
  // The signal handlers that remove unfinished files stay installed for the
  // whole batch instead of for each file.
  const CleanupHandlers cleanup;
  std::vector<RequestResult> results(lines.size());
  std::atomic<std::size_t> next = 0;
  std::atomic<std::size_t> done = 0;
  const auto work = [&] {
    for (std::size_t i = next++; i < lines.size(); i = next++) {
      results[i] = DrawLine(line, lines[i], input);
      ++done;
    }
  };
  std::vector<std::jthread> workers;
  const std::size_t count = WorkerCount(line.threads, lines.size());
  for (std::size_t i = 0; i < count; ++i) workers.emplace_back(work);

  // Progress is shown only on a terminal; elsewhere the workers are simply awaited.
  const bool onTerminal = err.IsTerminal();
  Progress progress(err, lines.size(), onTerminal);
  while (onTerminal && done < lines.size()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    progress.Show(done);
  }
  workers.clear();
  progress.Erase();

  bool allWritten = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string where = "line " + std::to_string(lines[i].number) + ": ";
    for (const std::string& error : results[i].errors) err.Write("KestrovaBarCode: " + where + OneLine(error) + '\n');
    for (const std::string& warning : results[i].warnings) {
      err.Write("KestrovaBarCode: warning: " + where + OneLine(warning) + '\n');
    }
    allWritten = allWritten && results[i].written;
  }
  return allWritten ? kExitWritten : kExitNotProduced;
}

}  // namespace kbc
