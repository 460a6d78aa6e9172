// The CSV splitter and the batch line splitter: a file's bytes split in one
// piece give the same rows as split in pieces cut where the first byte says;
// rows come numbered in order, within their bounds, and nothing follows a row
// that stops the file.
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/csv_rows.h"
#include "fuzz/fuzz_input.h"

namespace kbc::fuzz {
namespace {

template <typename Splitter, typename Item>
std::vector<Item> SplitInPieces(std::string_view bytes, std::size_t piece) {
  std::vector<Item> items;
  Splitter splitter;
  for (std::size_t at = 0; at < bytes.size(); at += piece) splitter.Feed(bytes.substr(at, piece), items);
  splitter.Finish(items);
  return items;
}

void CheckCsv(std::string_view bytes, std::size_t piece) {
  const std::vector<CsvRow> whole = SplitCsvRows(bytes);
  const std::vector<CsvRow> pieced = SplitInPieces<CsvRowSplitter, CsvRow>(bytes, piece);
  Require(whole.size() == pieced.size(), "pieces give as many rows as the whole");
  for (std::size_t i = 0; i < whole.size(); ++i) {
    const CsvRow& row = whole[i];
    Require(row.number == pieced[i].number && row.cells == pieced[i].cells && row.fault == pieced[i].fault,
            "pieces give the rows of the whole");
    Require(i == 0 || row.number > whole[i - 1].number, "rows are numbered in order");
    Require(row.cells.size() <= kMostCsvCells, "a row holds at most the most cells");
    for (const std::string& cell : row.cells) Require(cell.size() <= kLongestCsvCell, "cells are bounded");
    Require(row.fault == CsvFault::None || row.cells.empty(), "a faulty row keeps no cells");
    Require(!CsvFaultStops(row.fault) || i + 1 == whole.size(), "nothing follows a row that stops the file");
  }
  const bool nul = bytes.find('\0') != std::string_view::npos;
  Require(!nul || (!whole.empty() && whole.back().fault == CsvFault::NotText), "a NUL byte stops the file");
}

void CheckBatch(std::string_view bytes, std::size_t piece) {
  const std::vector<BatchLine> whole = SplitBatchLines(bytes);
  const std::vector<BatchLine> pieced = SplitInPieces<BatchLineSplitter, BatchLine>(bytes, piece);
  Require(whole.size() == pieced.size(), "pieces give as many lines as the whole");
  for (std::size_t i = 0; i < whole.size(); ++i) {
    const BatchLine& line = whole[i];
    Require(line.number == pieced[i].number && line.bytes == pieced[i].bytes && line.fault == pieced[i].fault,
            "pieces give the lines of the whole");
    Require(i == 0 || line.number > whole[i - 1].number, "lines are numbered in order");
    Require(line.bytes.size() <= kLongestBatchLine, "lines are bounded");
    Require(line.fault == BatchLineFault::None || i + 1 == whole.size(), "nothing follows a faulty line");
  }
}

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = 1 + data[0] % 16;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  kbc::fuzz::CheckCsv(bytes, piece);
  kbc::fuzz::CheckBatch(bytes, piece);
  return 0;
}
