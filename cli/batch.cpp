#include "cli/batch.h"

#include "cli/batch_pool.h"
#include "core/string_ops.h"
#include "text/argument_text.h"

namespace kbc {
namespace {

BatchRequest MakeLineRequest(const CommandLine& line, const BatchLine& batchLine) {
  BatchRequest request;
  request.number = batchLine.number;
  request.action = line.action;
  request.settings = line.settings;
  if (batchLine.fault != BatchLineFault::None) {
    request.errors = {BatchLineFaultReason(batchLine.fault)};
    request.endsRun = true;
    return request;
  }
  if (!PrintsRequest(line.action)) request.path = BatchOutputPath(line.outputPath, batchLine.number);
  ArgumentText data = DecodeArgument(batchLine.bytes, line.encoding);
  request.settings.data = std::move(data.text);
  request.settings.dataUtf8 = data.utf8;
  UnescapeControlChars(request.settings.data);
  return request;
}

}  // namespace

void BatchLineSplitter::Feed(std::string_view bytes, std::vector<BatchLine>& lines) {
  while (!bytes.empty() && !stopped_) {
    const std::size_t end = bytes.find('\n');
    const std::string_view part = bytes.substr(0, end);
    const BatchLineFault fault = part.find('\0') != std::string_view::npos ? BatchLineFault::NotText
                                 // One byte more than the limit is kept, for the CR that may end the line.
                                 : line_.size() + part.size() > kLongestBatchLine + 1 ? BatchLineFault::TooLong
                                                                                      : BatchLineFault::None;
    if (fault != BatchLineFault::None) {
      lines.push_back({number_, {}, fault});
      line_.clear();
      stopped_ = true;
      return;
    }
    line_ += part;
    if (end == std::string_view::npos) return;
    EndLine(lines);
    bytes.remove_prefix(end + 1);
  }
}

void BatchLineSplitter::Finish(std::vector<BatchLine>& lines) {
  if (!line_.empty()) EndLine(lines);
}

void BatchLineSplitter::EndLine(std::vector<BatchLine>& lines) {
  if (line_.ends_with('\r')) line_.pop_back();
  // What an editor may write before the first line of a UTF-8 file.
  if (number_ == 1 && line_.starts_with(kUtf8ByteOrderMark)) line_.erase(0, kUtf8ByteOrderMark.size());
  if (line_.size() > kLongestBatchLine) {
    lines.push_back({number_, {}, BatchLineFault::TooLong});
    stopped_ = true;
  } else if (!line_.empty()) {
    lines.push_back({number_, line_, BatchLineFault::None});
  }
  ++number_;
  line_.clear();
}

std::vector<BatchLine> SplitBatchLines(std::string_view contents) {
  std::vector<BatchLine> lines;
  BatchLineSplitter splitter;
  splitter.Feed(contents, lines);
  splitter.Finish(lines);
  return lines;
}

std::string BatchLineFaultReason(BatchLineFault fault) {
  switch (fault) {
    case BatchLineFault::TooLong:
      return "the line is longer than " + std::to_string(kLongestBatchLine) +
             " bytes, more than any symbology takes; the batch stops here";
    case BatchLineFault::NotText:
      return "the batch file is not a text file: the line holds a NUL byte; the batch stops here";
    case BatchLineFault::None:
      break;
  }
  return {};
}

std::string BatchOutputPath(std::string_view pattern, std::size_t lineNumber) {
  const std::size_t slash = pattern.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const std::string number = std::to_string(lineNumber);
  std::string path(pattern.substr(0, nameStart));
  const std::string_view name = pattern.substr(nameStart);
  if (name.find('#') == std::string_view::npos) {
    // The extension starts at the last dot that does not begin the name.
    const std::size_t dot = name.rfind('.');
    const std::size_t cut = dot == std::string_view::npos || dot == 0 ? name.size() : dot;
    return path + std::string(name.substr(0, cut)) + "-" + number + std::string(name.substr(cut));
  }
  for (std::size_t i = 0; i < name.size();) {
    if (name[i] != '#') {
      path += name[i++];
      continue;
    }
    std::size_t run = 0;
    while (i < name.size() && name[i] == '#') ++i, ++run;
    if (number.size() < run) path.append(run - number.size(), '0');
    path += number;
  }
  return path;
}

int RunBatch(const CommandLine& line, TextOut& out, TextOut& err) {
  BatchInput input(line.batchPath);
  const auto cannotRead = [&] {
    err.Write("KestrovaBarCode: " + OneLine("cannot read the batch file \"" + line.batchPath + "\"") + '\n');
    return kExitNotProduced;
  };
  if (!input.Opened()) return cannotRead();
  std::optional<LabelStream> stream;
  if (WritesLabelStream(line)) {
    stream.emplace(line.outputPath, out);
    if (const std::optional<std::string> refusal = StreamOverInput(*stream, input, "batch file")) {
      err.Write("KestrovaBarCode: " + OneLine(*refusal) + '\n');
      return kExitNotProduced;
    }
  }
  BatchLineSplitter splitter;
  std::vector<BatchLine> lines;
  std::size_t nextLine = 0;
  bool ended = false;
  const auto readPiece = [&] {
    if (!input.ReadPiece([&](std::string_view bytes) { splitter.Feed(bytes, lines); })) {
      splitter.Finish(lines);
      ended = true;
    }
  };
  readPiece();
  // A NUL byte in the first piece marks a binary file: refused whole, before
  // any line is drawn, rather than drawn until the NUL.
  if (!lines.empty() && lines.back().fault == BatchLineFault::NotText) {
    err.Write("KestrovaBarCode: line " + std::to_string(lines.back().number) + ": " +
              BatchLineFaultReason(BatchLineFault::NotText) + '\n');
    return kExitNotProduced;
  }
  // Whether any line was read: a pipe may deliver the first one in many pieces.
  bool any = false;
  // Reads on only when the lines read so far are all handed out.
  const auto next = [&]() -> std::optional<BatchRequest> {
    while (nextLine == lines.size()) {
      lines.clear();
      nextLine = 0;
      if (ended || splitter.Stopped()) return std::nullopt;
      readPiece();
    }
    any = true;
    return MakeLineRequest(line, lines[nextLine++]);
  };
  int status = DrawBatch(input, next, line.threads, {"line", "batch file"}, out, err, stream ? &*stream : nullptr);
  if (input.Failed()) return cannotRead();
  if (stream) status = FinishStream(*stream, status, err);
  if (!any) {
    err.Write(std::string(line.settings.strict ? "KestrovaBarCode: " : "KestrovaBarCode: warning: ") +
              OneLine("the batch file \"" + line.batchPath + "\" has no data") + '\n');
    if (line.settings.strict) return kExitNotProduced;
  }
  return status;
}

}  // namespace kbc
