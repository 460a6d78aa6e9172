// Batch mode: one barcode per line of a file, every other option shared, drawn
// by a pool of workers in one process.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/front_end.h"

namespace kbc {

// One line of a batch file: its number (from 1, empty lines counted) and bytes.
struct BatchLine {
  std::size_t number = 0;
  std::string bytes;
};

// The non-empty lines of a batch file's contents. Lines end at LF, a CR before
// the LF is dropped, and a last line without LF counts.
std::vector<BatchLine> SplitBatchLines(std::string_view contents);

// The output path of one line: every run of '#' in the file name becomes the
// line number padded with zeros to the run's length; without '#' the number
// goes before the extension after a hyphen ("label.png" -> "label-7.png").
std::string BatchOutputPath(std::string_view pattern, std::size_t lineNumber);

// Draws every line of the command line's batch file; returns the exit status:
// 0 when every line was drawn, 1 when any failed. Messages go to err in line
// order, each naming its line, whatever the number of workers.
int RunBatch(const CommandLine& line, TextOut& err);

}  // namespace kbc
