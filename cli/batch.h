// Batch mode: one barcode per line of a file, every other option shared, drawn
// by a pool of workers in one process. CSV mode (cli/csv_batch.h) draws its
// rows through the same pool.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/front_end.h"

namespace kbc {

// The longest line a batch file may hold: the most data any symbology takes
// (7,089 digits of a QR Code), every character written as a two-byte escape.
inline constexpr std::size_t kLongestBatchLine = 2 * 7089;

// One line of a batch file: its number (from 1, empty lines counted) and bytes.
// A longer line than kLongestBatchLine keeps no bytes, only that it was too long.
struct BatchLine {
  std::size_t number = 0;
  std::string bytes;
  bool tooLong = false;
};

// Splits a batch file as its bytes arrive, holding at most one line of up to
// kLongestBatchLine bytes: the rest of a longer line is dropped as it comes.
class BatchLineSplitter {
 public:
  // The non-empty lines the bytes complete are added to `lines`.
  void Feed(std::string_view bytes, std::vector<BatchLine>& lines);
  // The last line, when it has no LF.
  void Finish(std::vector<BatchLine>& lines);

 private:
  void EndLine(std::vector<BatchLine>& lines);
  std::size_t number_ = 1;
  std::string line_;
  bool tooLong_ = false;
};

// The non-empty lines of a batch file's contents. Lines end at LF, a CR before
// the LF is dropped, and a last line without LF counts.
std::vector<BatchLine> SplitBatchLines(std::string_view contents);

// The output path of one line: every run of '#' in the file name becomes the
// line number padded with zeros to the run's length; without '#' the number
// goes before the extension after a hyphen ("label.png" -> "label-7.png").
std::string BatchOutputPath(std::string_view pattern, std::size_t lineNumber);

// How a batch's messages name its input: the "line" of the "batch file".
struct BatchKind {
  std::string_view item;
  std::string_view file;
};

// Reads the file ("-" standard input) in pieces, each passed to feed; false
// when it cannot be opened or read.
bool ReadBatchInput(const std::string& path, const std::function<void(std::string_view)>& feed);

// One request of a batch, made by a worker just before it is drawn, so that
// a long batch holds only its input, not every request's settings.
struct BatchRequest {
  std::size_t number = 0;  // of its line or row, in messages
  OutputAction action = OutputAction::None;
  std::string path;
  BarcodeSettings settings;
  // Errors: the request is not drawn. Warnings come before the drawing's.
  RequestResult refusal;
};

// Draws the count requests make(0) .. make(count - 1) by -threads workers,
// never over the input file itself; returns the exit status: 0 when every
// request was drawn, 1 when any failed. Messages go to err in request order,
// each naming its number, whatever the number of workers; on a terminal a
// progress line is shown.
int DrawBatch(std::size_t count, const std::function<BatchRequest(std::size_t)>& make, int threads,
              const std::string& inputPath, BatchKind kind, TextOut& err);

// Draws every line of the command line's batch file; returns the exit status:
// 0 when every line was drawn, 1 when any failed. Messages go to err in line
// order, each naming its line, whatever the number of workers.
int RunBatch(const CommandLine& line, TextOut& err);

}  // namespace kbc
