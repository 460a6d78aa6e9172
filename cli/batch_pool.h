// The pool that draws the requests of a batch or CSV file. The input is read
// as the workers need it and each result is reported as soon as those before
// it are, so a run holds a bounded window of requests however long its file.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/front_end.h"
#include "cli/label_stream.h"
#include "cli/pixel_budget.h"

namespace kbc {

// A batch's or CSV file's input ("-" standard input), read in pieces.
class BatchInput {
 public:
  explicit BatchInput(const std::string& path);
  ~BatchInput();
  BatchInput(const BatchInput&) = delete;
  BatchInput& operator=(const BatchInput&) = delete;

  bool Opened() const { return fd_ >= 0; }
  // Passes the next piece to feed; false at the end of the input or when it
  // cannot be read (then Failed()).
  bool ReadPiece(const std::function<void(std::string_view)>& feed);
  bool Failed() const { return failed_; }
  // The part of a regular file read so far, for the progress line; nothing
  // when the size is unknown (a pipe).
  std::optional<double> FractionRead() const;
  // Whether the path names the input itself, standard input included, so
  // that no request replaces it.
  bool IsInput(const std::string& path) const;

 private:
  int fd_ = -1;
  bool owned_ = false;
  bool failed_ = false;
  dev_t device_ = 0;
  ino_t inode_ = 0;
  bool identified_ = false;
  std::uint64_t size_ = 0;  // of a regular file, else 0
  std::uint64_t read_ = 0;
};

// One request of a batch, made as its line or row is read.
struct BatchRequest {
  std::size_t number = 0;  // of its line or row, in messages
  OutputAction action = OutputAction::None;
  std::string path;
  BarcodeSettings settings;
  // Why the request is not drawn, one line each; and warnings, which come
  // before the drawing's.
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  // The input cannot be read past this request: its errors are the last
  // message and the run ends with status 1.
  bool endsRun = false;
};

// Why a stream may not be written: it is the input itself.
std::optional<std::string> StreamOverInput(const LabelStream& stream, const BatchInput& input,
                                           std::string_view file);

// How a batch's messages name its input: the "line" of the "batch file".
struct BatchKind {
  std::string_view item;
  std::string_view file;
};

// The requests that next() makes, until it gives none, drawn by -threads
// workers, never over the input itself, with at most kBatchPixelBudget
// pixels of bitmaps drawn at once; the lines of requests whose action prints
// go to out, each with the request's number, in request order; returns the exit status: 0 when every request was
// drawn, 1 when any failed. Messages go to err in request order, each naming
// its number, whatever the number of workers; on a terminal a progress line
// is shown. With a stream, each request's bytes are added to it in request
// order instead of written to the request's own file.
int DrawBatch(BatchInput& input, const std::function<std::optional<BatchRequest>()>& next, int threads,
              BatchKind kind, TextOut& out, TextOut& err, LabelStream* stream = nullptr);

}  // namespace kbc
