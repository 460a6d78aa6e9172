// The command-line front end: option/value pairs into a request, then one writer.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "core/types.h"
#include "platform/text_out.h"

namespace kbc {

// Exit statuses of a run.
inline constexpr int kExitWritten = 0;       // barcode written (or usage asked for with no arguments)
inline constexpr int kExitNotProduced = 1;   // the request was complete but nothing could be produced
inline constexpr int kExitIncomplete = 2;    // the arguments do not make a request

struct CommandLine {
  BarcodeSettings settings = InitSettings();
  OutputAction action = OutputAction::None;
  std::string outputPath;  // bytes as given, standardised
  // Last values of -type and -action that named nothing, for the error line.
  std::string unknownType;
  std::string unknownAction;
  // -batch: a file whose every line is the data of one barcode ("-" standard input).
  std::string batchPath;
  int threads = 0;  // -threads: workers of a batch; 0 one per processor
  // Option values not taken as typed (clamped, or partly or not at all a
  // number), as warnings; one per option, for its last value.
  std::vector<std::pair<std::string, std::string>> valueWarnings;
};

// What drawing one barcode produced: whether its file was written, and the
// stderr lines, without the program's prefix.
struct RequestResult {
  bool written = false;
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
};

// Shapes the settings' data for the symbology, draws it with the action's writer
// into path, and says what went wrong or what was encoded differently.
RequestResult DrawRequest(OutputAction action, const std::string& path, BarcodeSettings settings);

// The message as one line: control characters shown as escapes.
std::string OneLine(std::string_view message);

// The -action word of an action ("clip", "pngf", ...).
std::string_view ActionWord(OutputAction action);

// The action of an -action word (exact, case-sensitive), None for any other word.
OutputAction ActionFromWord(std::u32string_view word);

// Scans every adjacent pair (argument i, argument i+1) from i = 1, advancing by
// one: a value spelled like an option is also taken as that option. args[0] is
// the program name; fewer than four arguments in all scan nothing.
CommandLine ScanArguments(std::span<const std::string_view> args);

// Applies one option/value pair; unknown option names are ignored.
void ApplyOption(CommandLine& line, std::string_view option, std::string_view value);

// The whole run; returns the exit status.
int RunCommandLine(std::span<const std::string_view> args, TextOut& out, TextOut& err);
int RunCommandLine(int argc, char** argv);

}  // namespace kbc
