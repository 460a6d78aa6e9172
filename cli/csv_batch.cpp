#include "cli/csv_batch.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/batch_pool.h"
#include "cli/csv_outputs.h"
#include "cli/csv_rows.h"
#include "core/symbology.h"
#include "request/option_table.h"

namespace kbc {
namespace {

// Options of the whole run rather than of one request.
std::string RunOptionReason(std::string_view name) {
  const OptionRow* row = OptionRowOf("-" + std::string(name));
  return row != nullptr && row->scope == OptionScope::Run ? std::string(row->runReason) : std::string();
}

// The options the header's columns name, with their dash; the errors, one per
// column that names none a row can take.
struct CsvColumns {
  std::vector<std::string> options;
  std::vector<std::string> errors;
};

CsvColumns ReadHeader(const CsvRow& header) {
  CsvColumns columns;
  if (header.fault != CsvFault::None) {
    columns.errors.push_back("the header row: " + CsvFaultReason(header.fault));
    return columns;
  }
  for (std::size_t i = 0; i < header.cells.size(); ++i) {
    std::string_view name = header.cells[i];
    if (i == 0 && name.starts_with(kUtf8ByteOrderMark)) name.remove_prefix(kUtf8ByteOrderMark.size());
    const std::string option = "-" + std::string(name);
    const std::string column = "column " + std::to_string(i + 1) + " of the header";
    if (name.empty()) {
      columns.errors.push_back(column + " has no name");
    } else if (const std::string reason = RunOptionReason(name); !reason.empty()) {
      columns.errors.push_back("the column \"" + std::string(name) + "\" cannot be used: " + reason);
    } else if (name.starts_with('-') || !IsOptionName(option)) {
      std::string error = "unknown column \"" + std::string(name) + "\" (" + column + ")";
      const std::string_view nearest = NearestOptionName(name.starts_with('-') ? name : std::string_view(option));
      if (!nearest.empty()) error += "; did you mean \"" + std::string(nearest.substr(1)) + "\"?";
      columns.errors.push_back(std::move(error));
    } else if (std::ranges::find(columns.options, option) != columns.options.end()) {
      columns.errors.push_back("the column \"" + std::string(name) + "\" is given twice");
    }
    columns.options.push_back(option);
  }
  return columns;
}

std::string Cells(std::size_t count) { return std::to_string(count) + (count == 1 ? " cell" : " cells"); }

// The row's non-empty cells applied over the command line's options, as the
// command line with them appended would read them.
BatchRequest MakeRowRequest(const CommandLine& line, const std::vector<std::string>& options,
                            const OutputFolder& folder, const CsvRow& row) {
  BatchRequest request;
  request.number = row.number;
  // Known before the row is read, so that a refused row still prints its line.
  request.action = line.action;
  std::vector<std::string>& errors = request.errors;
  if (row.fault != CsvFault::None) {
    request.settings.symbology = kNoSymbology;
    errors.push_back(CsvFaultReason(row.fault));
    request.endsRun = CsvFaultStops(row.fault);
    return request;
  }
  if (row.cells.size() != options.size()) {
    request.settings.symbology = kNoSymbology;
    errors.push_back("the row has " + Cells(row.cells.size()) + " where the header has " +
                     std::to_string(options.size()) + "; it was not read");
    return request;
  }
  CommandLine rowLine = line;
  // The command line's own value warnings were given once, before the rows.
  rowLine.valueWarnings.clear();
  rowLine.outputPath.clear();
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (row.cells[i].empty()) continue;
    if (options[i] == "-output" && !line.csvPathsAny) {
      if (Status admitted = folder.Admits(row.cells[i]); !admitted) errors.push_back(std::move(admitted.refusal));
    }
    ApplyOption(rowLine, options[i], row.cells[i]);
  }
  request.action = rowLine.action;
  // A refused row's printed line names what the row gave.
  request.settings = rowLine.settings;
  const bool prints = PrintsRequest(rowLine.action);
  // Under -strict (the command line's or the row's own) a warning refuses its row.
  std::vector<std::string>& warnings = rowLine.settings.strict ? errors : request.warnings;
  for (auto& [option, warning] : rowLine.valueWarnings) warnings.push_back(std::move(warning));
  // A value the command line refuses (a -rotate of 45) refuses only its row.
  for (auto& [option, refusal] : rowLine.valueRefusals) errors.push_back(std::move(refusal));
  if (!errors.empty()) return request;
  if (!IsComplete(rowLine)) {
    errors.push_back(IncompleteReason(rowLine));
  } else if (rowLine.action == OutputAction::Clipboard) {
    errors.push_back("-action clip cannot be used with -csv: the clipboard holds one barcode");
  } else if (rowLine.outputPath == "-") {
    errors.push_back("-output - cannot be used with -csv: standard output holds one file");
  } else if (!prints && rowLine.outputPath.empty() && line.outputPath.empty()) {
    errors.push_back("no output cell and no -output path given for -action " +
                     std::string(ActionWord(rowLine.action)));
  }
  if (!errors.empty()) return request;
  if (!prints) {
    request.path = rowLine.outputPath.empty() ? BatchOutputPath(line.outputPath, row.number) : rowLine.outputPath;
  }
  return request;
}

// Every row of a stream is one of its labels: a row that names another
// action or a file of its own would silently leave it.
void RefuseOutsideStream(BatchRequest& request, const CsvRow& row, const std::vector<std::string>& options) {
  if (!request.errors.empty()) return;
  const auto output = std::ranges::find(options, "-output");
  if (output != options.end() && !row.cells[std::size_t(output - options.begin())].empty()) {
    request.errors.push_back("a row cannot name its own output when the labels go to one stream");
  } else if (request.action != OutputAction::Zpl) {
    request.errors.push_back("-action " + std::string(ActionWord(request.action)) +
                             " cannot be drawn into a stream of ZPL labels");
  }
}

}  // namespace

int RunCsvBatch(const CommandLine& line, TextOut& out, TextOut& err) {
  BatchInput input(line.csvPath);
  const auto cannotRead = [&] {
    err.Write("KestrovaBarCode: " + OneLine("cannot read the CSV file \"" + line.csvPath + "\"") + '\n');
    return kExitNotProduced;
  };
  if (!input.Opened()) return cannotRead();
  std::optional<LabelStream> stream;
  if (WritesLabelStream(line)) {
    stream.emplace(line.outputPath, out);
    if (const std::optional<std::string> refusal = StreamOverInput(*stream, input, "CSV file")) {
      err.Write("KestrovaBarCode: " + OneLine(*refusal) + '\n');
      return kExitNotProduced;
    }
  }
  CsvRowSplitter splitter;
  std::vector<CsvRow> rows;
  std::size_t nextRow = 0;
  bool ended = false;
  // The next row read, reading on only when the rows read so far are all handed out.
  const auto nextRowRead = [&]() -> const CsvRow* {
    while (nextRow == rows.size()) {
      rows.clear();
      nextRow = 0;
      if (ended || splitter.Stopped()) return nullptr;
      if (!input.ReadPiece([&](std::string_view bytes) { splitter.Feed(bytes, rows); })) {
        splitter.Finish(rows);
        ended = true;
      }
    }
    return &rows[nextRow++];
  };
  const auto warnEmpty = [&](std::string_view missing) {
    if (input.Failed()) return cannotRead();
    err.Write(std::string(line.settings.strict ? "KestrovaBarCode: " : "KestrovaBarCode: warning: ") +
              OneLine("the CSV file \"" + line.csvPath + "\" " + std::string(missing)) + '\n');
    return line.settings.strict ? kExitNotProduced : kExitWritten;
  };
  const CsvRow* header = nextRowRead();
  if (!header) return warnEmpty("has no rows");
  if (CsvFaultStops(header->fault)) {
    err.Write("KestrovaBarCode: " + OneLine("the CSV file \"" + line.csvPath + "\": row 1: " +
                                            CsvFaultReason(header->fault)) + '\n');
    return kExitNotProduced;
  }
  // A NUL byte in the first piece marks a binary file, whose header would
  // only be noise: refused whole, before any row is drawn.
  if (!rows.empty() && rows.back().fault == CsvFault::NotText) {
    err.Write("KestrovaBarCode: " + OneLine("the CSV file \"" + line.csvPath + "\": row " +
                                            std::to_string(rows.back().number) + ": " +
                                            CsvFaultReason(CsvFault::NotText)) + '\n');
    return kExitNotProduced;
  }
  const CsvColumns columns = ReadHeader(*header);
  if (!columns.errors.empty()) {
    for (const std::string& error : columns.errors) {
      err.Write("KestrovaBarCode: " + OneLine("the CSV file \"" + line.csvPath + "\": " + error) + '\n');
    }
    return kExitIncomplete;
  }
  if (!PrintsRequest(line.action) && line.outputPath.empty() &&
      std::ranges::find(columns.options, "-output") == columns.options.end()) {
    err.Write("KestrovaBarCode: " +
              OneLine("no -output path given, and the CSV file \"" + line.csvPath + "\" has no output column") + '\n');
    return kExitNotProduced;
  }
  const OutputFolder folder(line.outputPath);
  OutputClaims claims;
  bool any = false;
  const auto next = [&]() -> std::optional<BatchRequest> {
    const CsvRow* row = nextRowRead();
    if (!row) return std::nullopt;
    any = true;
    BatchRequest request = MakeRowRequest(line, columns.options, folder, *row);
    if (stream) {
      RefuseOutsideStream(request, *row, columns.options);
      return request;
    }
    // Claimed in row order, before any is drawn: the first row keeps its file.
    if (request.errors.empty() && !request.path.empty()) {
      if (const std::optional<std::size_t> first = claims.Claim(folder.Absolute(request.path), request.number)) {
        request.errors.push_back("the output \"" + request.path + "\" is row " + std::to_string(*first) +
                                         "'s too; it was not written");
      }
    }
    return request;
  };
  int status = DrawBatch(input, next, line.threads, {"row", "CSV file"}, out, err, stream ? &*stream : nullptr);
  if (input.Failed()) return cannotRead();
  if (stream) status = FinishStream(*stream, status, err);
  if (!any) return std::max(status, warnEmpty("has no rows after its header"));
  return status;
}

}  // namespace kbc
