#include "cli/front_end.h"

#include <unistd.h>

#include <vector>

#include "cli/batch.h"
#include "cli/csv_batch.h"
#include "cli/label_stream.h"
#include "cli/os_gate.h"
#include "cli/usage.h"
#include "output/zpl_writer.h"

namespace kbc {
namespace {

void Report(TextOut& err, std::string_view message) { err.Write("KestrovaBarCode: " + OneLine(message) + '\n'); }

void Warn(TextOut& err, std::string_view message) {
  err.Write("KestrovaBarCode: warning: " + OneLine(message) + '\n');
}

// The usage text on stdout; false when it could not be written (a full disk, a closed pipe).
bool PrintUsage(TextOut& out) { return out.Write(UsageText()); }

}  // namespace

CommandLine ScanArguments(std::span<const std::string_view> args) {
  CommandLine line;
  if (args.size() < 4) return line;
  // Every value is read in the encoding, wherever -encoding stands.
  for (std::size_t i = 1; i + 1 < args.size(); ++i) {
    if (args[i] == "-encoding") ApplyOption(line, args[i], args[i + 1]);
  }
  for (std::size_t i = 1; i + 1 < args.size(); ++i) ApplyOption(line, args[i], args[i + 1]);
  return line;
}

int RunCommandLine(std::span<const std::string_view> args, TextOut& out, TextOut& err) {
  if (!SystemVersionAccepted(SystemVersionNumber())) {
    out.Write("Sorry, Kestrova BarCode only works with macOS 11 Big Sur or later.\n");
    return kExitNotProduced;
  }
  // Alone on the command line, these ask about the program instead of for a barcode.
  if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
    if (out.Write(UsageText() + AddedOptionsText())) return kExitWritten;
    Report(err, "the help text could not be written to standard output");
    return kExitNotProduced;
  }
  if (args.size() == 2 && args[1] == "--version") {
    if (out.Write(VersionText())) return kExitWritten;
    Report(err, "the version could not be written to standard output");
    return kExitNotProduced;
  }
  if (args.size() <= 1) {
    if (PrintUsage(out)) return kExitWritten;
    Report(err, "the usage text could not be written to standard output");
    return kExitNotProduced;
  }

  CommandLine line = ScanArguments(args);
  // -csv FILE alone is a whole request: the file's columns may name every option.
  if (args.size() == 3 && args[1] == "-csv") ApplyOption(line, args[1], args[2]);
  const BarcodeSettings& settings = line.settings;
  std::vector<std::string> ignored = UnknownOptionWarnings(args);
  for (std::string& warning : StrayWordWarnings(args)) ignored.push_back(std::move(warning));
  for (const std::string& warning : ignored) settings.strict ? Report(err, warning) : Warn(err, warning);
  if (settings.strict && !ignored.empty()) return kExitIncomplete;
  // With -batch the data comes from the file's lines. Readiness is measured
  // before shaping: data that shaping empties still reaches the writer.
  // With -csv each row is checked as its own request.
  const bool batch = !line.batchPath.empty();
  const bool csv = !line.csvPath.empty();
  const bool ready = csv || (settings.symbology >= 1 && line.action != OutputAction::None &&
                             (batch || !settings.data.empty()));
  // -output - sends the file to standard output, so the usage text, when it
  // is printed, goes to stderr instead of into the piped image.
  // -action info prints what it describes, so it takes no -output.
  const bool prints = PrintsRequest(line.action);
  const bool toStdout = line.outputPath == "-" && !prints;
  if (!line.valueRefusals.empty()) {
    for (const auto& [option, refusal] : line.valueRefusals) Report(err, refusal);
    return kExitIncomplete;
  }
  if (line.action == OutputAction::Zpl) {
    if (const std::optional<std::string> refusal = ZplDpiRefusal(settings)) {
      Report(err, *refusal);
      return kExitIncomplete;
    }
  }
  if (!ready) {
    PrintUsage(toStdout ? err : out);
    Report(err, IncompleteReason(line));
    return kExitIncomplete;
  }
  if (batch && csv) {
    Report(err, "-csv cannot be used with -batch: the CSV file's rows are the requests");
    return kExitIncomplete;
  }
  if ((batch || csv) && line.action == OutputAction::Clipboard) {
    Report(err, std::string("-action clip cannot be used with ") + (csv ? "-csv" : "-batch") +
                    ": the clipboard holds one barcode");
    return kExitIncomplete;
  }
  if (!csv && !prints && line.action != OutputAction::Clipboard && line.outputPath.empty()) {
    Report(err, "no -output path given for -action " + std::string(ActionWord(line.action)));
    return kExitNotProduced;
  }
  // A stream of ZPL labels is one file, however many lines make it.
  if (toStdout && (((batch || csv) && !WritesLabelStream(line)) || line.action == OutputAction::Clipboard)) {
    Report(err, batch ? "-output - cannot be used with -batch: standard output holds one file"
                : csv ? "-output - cannot be used with -csv: standard output holds one file"
                      : "-output - cannot be used with -action clip");
    return kExitIncomplete;
  }
  for (const auto& [option, warning] : line.valueWarnings) settings.strict ? Report(err, warning) : Warn(err, warning);
  if (settings.strict && !line.valueWarnings.empty()) return kExitNotProduced;
  if (batch) return RunBatch(line, out, err);
  if (csv) return RunCsvBatch(line, out, err);
  if (prints) {
    const PrintedRequest printed = PrintRequest(line.action, settings);
    if (!printed.status) Report(err, printed.status.refusal);
    for (const std::string& warning : printed.status.warnings) Warn(err, warning);
    if (!out.Write(printed.line + '\n')) {
      Report(err, "the description could not be written to standard output");
      return kExitNotProduced;
    }
    return printed.status ? kExitWritten : kExitNotProduced;
  }
  if (toStdout) {
    const Result<std::string> rendered = RenderRequest(line.action, line.outputPath, settings);
    if (!rendered) {
      Report(err, rendered.refusal + "; nothing was written to standard output");
      return kExitNotProduced;
    }
    for (const std::string& warning : rendered.warnings) Warn(err, warning);
    if (!out.Write(*rendered)) {
      Report(err, "the file could not be written to standard output");
      return kExitNotProduced;
    }
    return kExitWritten;
  }
  const Status drawn = DrawRequest(line.action, line.outputPath, settings);
  if (!drawn) Report(err, drawn.refusal);
  for (const std::string& warning : drawn.warnings) Warn(err, warning);
  return drawn ? kExitWritten : kExitNotProduced;
}

int RunCommandLine(int argc, char** argv) {
  std::vector<std::string_view> args(argv, argv + argc);
  TextOut out(STDOUT_FILENO);
  TextOut err(STDERR_FILENO);
  return RunCommandLine(args, out, err);
}

}  // namespace kbc
