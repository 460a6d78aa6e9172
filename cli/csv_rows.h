// The rows of a CSV file (RFC 4180): cells split at commas, quoted cells
// holding commas, line breaks and doubled quotes, rows ending at LF or CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kbc {

// The longest cell: the longest value an option takes, the 7,089 digits of a
// QR Code, every character written as a two-byte escape.
inline constexpr std::size_t kLongestCsvCell = 2 * 7089;
// More cells than a row of every option has.
inline constexpr std::size_t kMostCsvCells = 64;
// More bytes than a row of kMostCsvCells cells of kLongestCsvCell bytes,
// quoted, holds.
inline constexpr std::size_t kLongestCsvRow = kMostCsvCells * (kLongestCsvCell + 3);

// What made a row unreadable; its cells are then dropped. A NUL byte (no text
// file holds one) or a row longer than kLongestCsvRow also stops the file.
enum class CsvFault { None, LongCell, ManyCells, OpenQuote, LongRow, NotText };

// One row: its number (from 1, as a spreadsheet numbers it: blank rows and
// the header counted) and its cells.
struct CsvRow {
  std::size_t number = 0;
  std::vector<std::string> cells;
  CsvFault fault = CsvFault::None;
};

// Splits a CSV file as its bytes arrive, holding at most one row of up to
// kMostCsvCells cells of kLongestCsvCell bytes: the rest of a longer row is
// dropped as it comes. Blank rows (no byte and no quote in any cell, as a
// spreadsheet writes an empty row) are counted, not added. A row that stops
// the file is given as soon as its fault is seen, and every byte after it is
// ignored.
class CsvRowSplitter {
 public:
  void Feed(std::string_view bytes, std::vector<CsvRow>& rows);
  // The last row, when it has no line end, or its quote is never closed.
  void Finish(std::vector<CsvRow>& rows);
  // Whether a row that stops the file was given: nothing more will come.
  bool Stopped() const { return stopped_; }

 private:
  enum class State { CellStart, Bare, Quoted, QuoteInQuoted };
  void Add(char c);
  void EndCell();
  void EndRow(std::vector<CsvRow>& rows);
  void Stop(CsvFault fault, std::vector<CsvRow>& rows);

  State state_ = State::CellStart;
  std::size_t number_ = 1;
  std::vector<std::string> cells_;
  std::string cell_;
  // A CR outside quotes ends the cell's bytes: dropped when an LF follows.
  bool bareReturn_ = false;
  bool blank_ = true;
  CsvFault fault_ = CsvFault::None;
  std::size_t rowBytes_ = 0;
  bool stopped_ = false;
};

// Whether a row with the fault ends the file.
bool CsvFaultStops(CsvFault fault);

// The rows of a whole file's contents.
std::vector<CsvRow> SplitCsvRows(std::string_view contents);

// Why a row with the fault could not be read, as one line.
std::string CsvFaultReason(CsvFault fault);

}  // namespace kbc
