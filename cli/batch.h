// Batch mode: one barcode per line of a file, every other option shared, drawn
// by the pool of cli/batch_pool.h as the lines are read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/front_end.h"

namespace kbc {

// The longest line a batch file may hold: the most data any symbology takes
// (7,089 digits of a QR Code), every character written as a two-byte escape.
inline constexpr std::size_t kLongestBatchLine = 2 * 7089;

// What an editor or spreadsheet may write before the first line of a UTF-8
// file; batch and CSV files skip it.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// What stops a batch file from being read further: a line longer than any
// request, or a NUL byte, which no text file holds.
enum class BatchLineFault { None, TooLong, NotText };

// One line of a batch file: its number (from 1, empty lines counted) and bytes.
// A faulty line keeps no bytes, and is the last line the file gives.
struct BatchLine {
  std::size_t number = 0;
  std::string bytes;
  BatchLineFault fault = BatchLineFault::None;
};

// Splits a batch file as its bytes arrive, holding at most one line of up to
// kLongestBatchLine bytes. A faulty line is given as soon as its fault is
// seen, without waiting for its end, and every byte after it is ignored.
class BatchLineSplitter {
 public:
  // The non-empty lines the bytes complete are added to `lines`.
  void Feed(std::string_view bytes, std::vector<BatchLine>& lines);
  // The last line, when it has no LF.
  void Finish(std::vector<BatchLine>& lines);
  // Whether a faulty line was given: nothing more will come.
  bool Stopped() const { return stopped_; }

 private:
  void EndLine(std::vector<BatchLine>& lines);
  std::size_t number_ = 1;
  std::string line_;
  bool stopped_ = false;
};

// The lines of a whole batch file's contents. Lines end at LF, a CR before the
// LF is dropped, and a last line without LF counts.
std::vector<BatchLine> SplitBatchLines(std::string_view contents);

// Why a faulty line stops the run, as one line.
std::string BatchLineFaultReason(BatchLineFault fault);

// The output path of one line: every run of '#' in the file name becomes the
// line number padded with zeros to the run's length; without '#' the number
// goes before the extension after a hyphen ("label.png" -> "label-7.png").
// Distinct numbers always give distinct paths.
std::string BatchOutputPath(std::string_view pattern, std::size_t lineNumber);

// Draws every line of the command line's batch file; returns the exit status:
// 0 when every line was drawn, 1 when any failed or the file stopped early.
// Messages go to err in line order, each naming its line, whatever the number
// of workers.
// An action that prints (-action info) prints one line per line of the file to
// out, in line order.
int RunBatch(const CommandLine& line, TextOut& out, TextOut& err);

}  // namespace kbc
