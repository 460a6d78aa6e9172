// CSV mode: one barcode per row of a CSV file whose header row names the
// options of its columns; the command line's options are every row's
// defaults. The rows are drawn by batch mode's pool (cli/batch.h).
#pragma once

#include "cli/front_end.h"

namespace kbc {

// Draws every row of the command line's CSV file; returns the exit status: 0
// when every row was drawn, 1 when any failed, 2 when the header names a
// column no row can take. Messages go to err in row order, each naming its
// row by its spreadsheet number (the header is row 1).
// Rows whose action prints (-action info) print one line each to out, in row order.
int RunCsvBatch(const CommandLine& line, TextOut& out, TextOut& err);

}  // namespace kbc
