#include "service/batch_answer.h"

#include <algorithm>
#include <set>

#include "cli/batch.h"
#include "cli/csv_rows.h"
#include "output/output_formats.h"
#include "request/options.h"
#include "service/barcode_answer.h"
#include "service/request_fields.h"
#include "service/zip_archive.h"

namespace kbc {
namespace {

enum class BatchKind { Archive, LabelStream, Descriptions };

// The last value a field of that name is given, or empty.
std::string_view LastValue(std::span<const FormField> fields, std::string_view name) {
  const auto found = std::ranges::find(fields.rbegin(), fields.rend(), name, &FormField::name);
  return found == fields.rend() ? std::string_view() : std::string_view(found->value);
}

const OutputFormat* FormatOfWord(std::string_view word) {
  const auto formats = OutputFormats();
  const auto found = std::ranges::find(formats, word, &OutputFormat::word);
  return found == formats.end() ? nullptr : &*found;
}

// The header's option names, without their dash; or why no row can be read.
Result<std::vector<std::string>> ReadHeader(const CsvRow& header) {
  if (header.fault != CsvFault::None) return Refusal("the header row: " + CsvFaultReason(header.fault));
  std::vector<std::string> names;
  for (std::size_t i = 0; i < header.cells.size(); ++i) {
    std::string_view name = header.cells[i];
    if (i == 0 && name.starts_with(kUtf8ByteOrderMark)) name.remove_prefix(kUtf8ByteOrderMark.size());
    const std::string column = "column " + std::to_string(i + 1) + " of the header";
    if (std::string refusal = FieldRefusal(name); !refusal.empty()) return Refusal(column + ": " + refusal);
    if (!IsOptionName("-" + std::string(name))) return Refusal(column + " names no option: \"" + std::string(name) + "\"");
    if (std::ranges::find(names, name) != names.end()) {
      return Refusal("the column \"" + std::string(name) + "\" is given twice");
    }
    names.emplace_back(name);
  }
  return names;
}

// An archive entry's name may not climb out of the folder it is unpacked into.
bool SafeEntryName(std::string_view name) {
  if (name.empty() || name.starts_with('/')) return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = std::min(name.find('/', start), name.size());
    if (name.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

Answer RowRefusal(const CsvRow& row, int status, std::string_view reason) {
  return RefusalAnswer(status, "row " + std::to_string(row.number) + ": " + std::string(reason));
}

}  // namespace

Answer AnswerBatch(std::string_view csv, std::span<const FormField> query, const RequestLimits& limits) {
  for (const FormField& field : query) {
    if (std::string refusal = FieldRefusal(field.name); !refusal.empty()) return RefusalAnswer(kHttpBadRequest, refusal);
  }
  const OutputFormat* queryFormat = FormatOfWord(LastValue(query, "action"));
  const BatchKind kind = queryFormat == nullptr                          ? BatchKind::Archive
                         : queryFormat->action == OutputAction::Zpl   ? BatchKind::LabelStream
                         : queryFormat->action == OutputAction::Info  ? BatchKind::Descriptions
                                                                        : BatchKind::Archive;
  const std::string_view pattern = LastValue(query, "output");
  std::vector<CsvRow> rows = SplitCsvRows(csv);
  if (rows.empty()) return RefusalAnswer(kHttpBadRequest, "the CSV body has no rows");
  Result<std::vector<std::string>> columns = ReadHeader(rows.front());
  if (!columns) return RefusalAnswer(kHttpBadRequest, columns.refusal);
  if (rows.size() - 1 > limits.batchRows) {
    return RefusalAnswer(kHttpPayloadTooLarge, "the CSV body has " + std::to_string(rows.size() - 1) +
                                                   " rows, more than the " + std::to_string(limits.batchRows) +
                                                   " a batch may hold");
  }
  if (rows.size() == 1) return RefusalAnswer(kHttpBadRequest, "the CSV body has a header and no rows");

  Answer batch;
  std::vector<ZipEntry> entries;
  std::set<std::string, std::less<>> names;
  for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
    if (row->fault != CsvFault::None) return RowRefusal(*row, kHttpBadRequest, CsvFaultReason(row->fault));
    if (row->cells.size() != columns->size()) {
      return RowRefusal(*row, kHttpBadRequest,
                        "the row has " + std::to_string(row->cells.size()) + " cells where the header has " +
                            std::to_string(columns->size()));
    }
    std::vector<FormField> fields(query.begin(), query.end());
    for (std::size_t i = 0; i < columns->size(); ++i) {
      if (!row->cells[i].empty()) fields.push_back({(*columns)[i], row->cells[i]});
    }
    const std::string_view ownOutput = [&] {
      const auto column = std::ranges::find(*columns, "output");
      return column == columns->end() ? std::string_view() : std::string_view(row->cells[column - columns->begin()]);
    }();
    const OutputFormat* format = FormatOfWord(LastValue(fields, "action"));
    if (kind == BatchKind::LabelStream) {
      if (!ownOutput.empty()) return RowRefusal(*row, kHttpBadRequest, "a row cannot name its own output in a stream of labels");
      if (format != queryFormat) return RowRefusal(*row, kHttpBadRequest, "only ZPL labels can join a stream of labels");
    } else if (kind == BatchKind::Descriptions && format != queryFormat) {
      return RowRefusal(*row, kHttpBadRequest, "a batch of descriptions holds descriptions only");
    } else if (kind == BatchKind::Archive && format != nullptr && format->render == nullptr) {
      return RowRefusal(*row, kHttpBadRequest, "an archive holds files only; ask for descriptions with action=info");
    }
    // Each file is titled by its own name, as the command line's rows are.
    if (ownOutput.empty() && format != nullptr && format->render != nullptr) {
      const std::string rowPattern =
          pattern.empty() ? "barcode-#." + std::string(format->extension) : std::string(pattern);
      fields.push_back({"output", BatchOutputPath(rowPattern, row->number)});
    }
    Answer answer = AnswerBarcode(fields, limits);
    if (answer.status != kHttpOk && !(kind == BatchKind::Descriptions && answer.status == kHttpUnprocessable)) {
      return RowRefusal(*row, answer.status, answer.reason);
    }
    for (const std::string& warning : answer.warnings) batch.warnings.push_back("row " + std::to_string(row->number) + ": " + warning);
    if (kind != BatchKind::Archive) {
      batch.body += answer.body;
      continue;
    }
    if (!SafeEntryName(answer.fileName)) {
      return RowRefusal(*row, kHttpBadRequest, "the output \"" + answer.fileName + "\" would leave the archive's folder");
    }
    if (!names.insert(answer.fileName).second) {
      return RowRefusal(*row, kHttpBadRequest, "the output \"" + answer.fileName + "\" is named by an earlier row too");
    }
    const bool compressed = answer.mediaType == "image/png" || answer.mediaType == "image/jpeg";
    entries.push_back({answer.fileName, std::move(answer.body), !compressed});
  }
  if (kind == BatchKind::LabelStream) {
    batch.mediaType = std::string(queryFormat->mediaType);
    batch.fileName = "labels.zpl";
    return batch;
  }
  if (kind == BatchKind::Descriptions) {
    batch.mediaType = "application/jsonl";
    return batch;
  }
  Result<std::string> archive = ZipArchive(entries);
  if (!archive) return RefusalAnswer(kHttpInternalError, archive.refusal);
  batch.mediaType = "application/zip";
  batch.body = std::move(*archive);
  batch.fileName = "barcodes.zip";
  return batch;
}

}  // namespace kbc
