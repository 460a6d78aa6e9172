// The options of one request, read from option/value pairs: the command line
// and the library read them through these same functions.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "core/types.h"
#include "text/argument_text.h"

namespace kbc {

struct CommandLine {
  BarcodeSettings settings = InitSettings();
  OutputAction action = OutputAction::None;
  std::string outputPath;  // bytes as given, standardised
  // Last values of -type and -action that named nothing, for the error line.
  std::string unknownType;
  std::string unknownAction;
  // -batch: a file whose every line is the data of one barcode ("-" standard input).
  std::string batchPath;
  // -csv: a CSV file whose every row after the first is one request ("-" standard input).
  std::string csvPath;
  int threads = 0;  // -threads: workers of a batch or CSV file; 0 one per processor
  // -csvpaths any: a CSV row's output cell may name any path; otherwise it
  // must stay inside the folder of -output (or the working folder).
  bool csvPathsAny = false;
  // -encoding: how arguments and the lines or cells of -batch and -csv files are read.
  TextEncoding encoding = TextEncoding::Default;
  // Option values not taken as typed (clamped, or partly or not at all a
  // number), as warnings; one per option, for its last value.
  std::vector<std::pair<std::string, std::string>> valueWarnings;
  // Option values that are refused rather than read otherwise (-rotate 45):
  // the request is not drawn. One per option, for its last value.
  std::vector<std::pair<std::string, std::string>> valueRefusals;
};

// The message as one line: control characters shown as escapes.
std::string OneLine(std::string_view message);

// The -action word of an action ("clip", "pngf", ...).
std::string_view ActionWord(OutputAction action);

// The action of an -action word (exact, case-sensitive), None for any other word.
OutputAction ActionFromWord(std::u32string_view word);

// Applies one option/value pair (the option with its dash); false, with
// nothing changed, when the name is no option.
bool ApplyOption(CommandLine& line, std::string_view option, std::string_view value);

// Whether the word, with its dash, is an option ApplyOption reads.
bool IsOptionName(std::string_view word);

// The option nearest to a misspelt one ("-outptu": "-output"); empty when none is near.
std::string_view NearestOptionName(std::string_view typed);

// Whether the options make a request: a type, an action and data.
bool IsComplete(const CommandLine& line);

// Why the options do not make a request, as one line.
std::string IncompleteReason(const CommandLine& line);

// "unknown -type ..." with the nearest symbology name, when one is near.
std::string UnknownTypeReason(const std::string& typed);

// Arguments spelt like options ("-x..." or "--x...") that name none, and do
// not stand as the value of the option before them, each as a warning naming
// the option nearest to it. They are still ignored.
std::vector<std::string> UnknownOptionWarnings(std::span<const std::string_view> args);

// Arguments that are neither an option nor the value after one (the second
// word of -data Hello World), each as a warning. They are ignored too.
std::vector<std::string> StrayWordWarnings(std::span<const std::string_view> args);

}  // namespace kbc
