#include "cli/csv_rows.h"

#include <string>

namespace kbc {

void CsvRowSplitter::Add(char c) {
  blank_ = false;
  if (fault_ != CsvFault::None) return;
  // One byte more than the limit is kept, for the CR that may end the row.
  if (cell_.size() > kLongestCsvCell) {
    fault_ = CsvFault::LongCell;
    cells_.clear();
    cell_.clear();
    return;
  }
  cell_ += c;
}

void CsvRowSplitter::EndCell() {
  state_ = State::CellStart;
  // A CR that ends no row is a byte of the cell.
  if (bareReturn_) blank_ = false;
  bareReturn_ = false;
  if (fault_ != CsvFault::None) return;
  if (cell_.size() > kLongestCsvCell) {
    fault_ = CsvFault::LongCell;
  } else if (cells_.size() == kMostCsvCells) {
    fault_ = CsvFault::ManyCells;
  }
  if (fault_ != CsvFault::None) {
    cells_.clear();
    cell_.clear();
    return;
  }
  cells_.push_back(std::move(cell_));
  cell_.clear();
}

void CsvRowSplitter::EndRow(std::vector<CsvRow>& rows) {
  // Set only while the CR is the cell's last byte.
  if (bareReturn_) cell_.pop_back();
  bareReturn_ = false;
  EndCell();
  if (fault_ != CsvFault::None) cells_.clear();
  if (!blank_ || fault_ != CsvFault::None) rows.push_back({number_, std::move(cells_), fault_});
  ++number_;
  cells_.clear();
  blank_ = true;
  fault_ = CsvFault::None;
  rowBytes_ = 0;
}

void CsvRowSplitter::Stop(CsvFault fault, std::vector<CsvRow>& rows) {
  rows.push_back({number_, {}, fault});
  cells_.clear();
  cell_.clear();
  stopped_ = true;
}

void CsvRowSplitter::Feed(std::string_view bytes, std::vector<CsvRow>& rows) {
  for (const char c : bytes) {
    if (stopped_) return;
    if (c == '\0' || ++rowBytes_ > kLongestCsvRow) {
      Stop(c == '\0' ? CsvFault::NotText : CsvFault::LongRow, rows);
      return;
    }
    switch (state_) {
      case State::Quoted:
        if (c == '"') {
          state_ = State::QuoteInQuoted;
        } else {
          Add(c);
        }
        continue;
      case State::QuoteInQuoted:
        // A doubled quote is one quote; any other byte closes the quotes.
        if (c == '"') {
          Add(c);
          state_ = State::Quoted;
          continue;
        }
        state_ = State::Bare;
        break;
      case State::CellStart:
        if (c == '"') {
          // A quoted empty cell still makes the row no blank one.
          blank_ = false;
          state_ = State::Quoted;
          continue;
        }
        state_ = State::Bare;
        break;
      case State::Bare:
        break;
    }
    // Outside quotes; a quote inside a bare cell is taken as a byte.
    if (c == ',') {
      EndCell();
    } else if (c == '\n') {
      EndRow(rows);
    } else {
      // A CR is held back: before an LF it ends the row, and a blank one stays blank.
      const bool blank = blank_ && !bareReturn_;
      Add(c);
      bareReturn_ = c == '\r' && fault_ == CsvFault::None;
      if (bareReturn_) blank_ = blank;
    }
  }
}

void CsvRowSplitter::Finish(std::vector<CsvRow>& rows) {
  if (stopped_) return;
  if (state_ == State::Quoted) {
    fault_ = CsvFault::OpenQuote;
    blank_ = false;
  }
  if (!blank_ || state_ != State::CellStart || !cells_.empty()) EndRow(rows);
  state_ = State::CellStart;
}

std::vector<CsvRow> SplitCsvRows(std::string_view contents) {
  std::vector<CsvRow> rows;
  CsvRowSplitter splitter;
  splitter.Feed(contents, rows);
  splitter.Finish(rows);
  return rows;
}

bool CsvFaultStops(CsvFault fault) { return fault == CsvFault::LongRow || fault == CsvFault::NotText; }

std::string CsvFaultReason(CsvFault fault) {
  switch (fault) {
    case CsvFault::LongCell:
      return "a cell is longer than " + std::to_string(kLongestCsvCell) +
             " bytes, more than any option takes; the row was not read";
    case CsvFault::ManyCells:
      return "the row has more than " + std::to_string(kMostCsvCells) + " cells; it was not read";
    case CsvFault::OpenQuote:
      return "a quoted cell is not closed before the end of the file; the row was not read";
    case CsvFault::LongRow:
      return "the row is longer than " + std::to_string(kLongestCsvRow) +
             " bytes, more than any request takes; the file stops here";
    case CsvFault::NotText:
      return "the CSV file is not a text file: the row holds a NUL byte; the file stops here";
    case CsvFault::None:
      break;
  }
  return {};
}

}  // namespace kbc
