#include "request/options.h"

#include <algorithm>
#include <vector>

#include "core/near_names.h"
#include "core/symbology.h"
#include "output/output_formats.h"
#include "files/path.h"
#include "text/argument_text.h"
#include "text/number_text.h"
#include "text/utf8.h"
#include "request/option_table.h"
#include "request/option_values.h"

namespace kbc {
namespace {

// `unknown -type "Ean13"; did you mean "EAN-13"?`
std::string UnknownWordReason(std::string_view option, const std::string& typed, std::string_view nearest) {
  std::string reason = "unknown " + std::string(option) + " \"" + typed + "\"";
  if (!nearest.empty()) reason += "; did you mean \"" + std::string(nearest) + "\"?";
  return reason;
}

std::string UnknownActionReason(const std::string& typed) {
  std::vector<std::string_view> words;
  for (const OutputFormat& format : OutputFormats()) words.push_back(format.word);
  return UnknownWordReason("-action", typed, NearestName(typed, words));
}

// "-x..." or "--x...": a dash or two, then a letter.
bool SpeltAsOption(std::string_view word) {
  const std::string_view bare = word.starts_with("--") ? word.substr(1) : word;
  return bare.size() >= 2 && bare[0] == '-' &&
         ((bare[1] >= 'a' && bare[1] <= 'z') || (bare[1] >= 'A' && bare[1] <= 'Z'));
}

}  // namespace

bool IsOptionName(std::string_view word) { return OptionRowOf(word) != nullptr; }

std::string_view NearestOptionName(std::string_view typed) {
  std::vector<std::string_view> names;
  for (const OptionRow& row : OptionRows()) names.push_back(row.name);
  return NearestName(typed, names);
}

std::string UnknownTypeReason(const std::string& typed) {
  std::vector<std::string_view> names;
  for (const SymbologyRow& row : kSymbologies) names.push_back(row.name);
  return UnknownWordReason("-type", typed, NearestName(typed, names));
}

std::vector<std::string> UnknownOptionWarnings(std::span<const std::string_view> args) {
  std::vector<std::string> warnings;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view word = args[i];
    const std::string_view bare = word.starts_with("--") ? word.substr(1) : word;
    if (!SpeltAsOption(word) || (word == bare && IsOptionName(word)) || (i > 1 && IsOptionName(args[i - 1]))) {
      continue;
    }
    std::string warning = "unknown option " + OneLine(word) + " ignored";
    if (const std::string_view nearest = NearestOptionName(bare); !nearest.empty()) {
      warning += "; did you mean " + std::string(nearest) + "?";
    }
    warnings.push_back(std::move(warning));
  }
  return warnings;
}

std::vector<std::string> StrayWordWarnings(std::span<const std::string_view> args) {
  // A word spelt like an option that no option takes as its value: its
  // misspelling was named, and the word after it is taken as its value.
  const auto unknownOption = [&](std::size_t i) {
    return i >= 1 && SpeltAsOption(args[i]) && !IsOptionName(args[i]) && !(i > 1 && IsOptionName(args[i - 1]));
  };
  std::vector<std::string> warnings;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (IsOptionName(args[i]) || (i > 1 && IsOptionName(args[i - 1])) || unknownOption(i) ||
        (i > 1 && unknownOption(i - 1))) {
      continue;
    }
    warnings.push_back("argument \"" + OneLine(args[i]) +
                       "\" belongs to no option; it was ignored (quote data that holds spaces)");
  }
  return warnings;
}

std::string IncompleteReason(const CommandLine& line) {
  const BarcodeSettings& s = line.settings;
  if (s.symbology == kNoSymbology) {
    return line.unknownType.empty() ? "no barcode type given" : UnknownTypeReason(line.unknownType);
  }
  if (line.action == OutputAction::None) {
    return line.unknownAction.empty() ? "no -action given" : UnknownActionReason(line.unknownAction);
  }
  return "no -data given";
}


// Control characters in echoed values (a -type, an output path) are shown
// escaped, so every message stays one line.
std::string OneLine(std::string_view message) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string line;
  for (const char c : message) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      line += c;
    } else if (c == '\n') {
      line += "\\n";
    } else if (c == '\t') {
      line += "\\t";
    } else if (c == '\r') {
      line += "\\r";
    } else {
      line += "\\x";
      line += kHex[byte >> 4];
      line += kHex[byte & 0xF];
    }
  }
  return line;
}

bool IsComplete(const CommandLine& line) {
  const BarcodeSettings& s = line.settings;
  return s.symbology >= 1 && line.action != OutputAction::None && !s.data.empty();
}

std::string_view ActionWord(OutputAction action) {
  const OutputFormat* format = OutputFormatOf(action);
  return format == nullptr ? std::string_view() : format->word;
}

OutputAction ActionFromWord(std::u32string_view word) {
  for (const OutputFormat& format : OutputFormats()) {
    if (std::ranges::equal(format.word, word, [](char a, char32_t b) { return char32_t(a) == b; })) {
      return format.action;
    }
  }
  return OutputAction::None;
}

bool ApplyOption(CommandLine& line, std::string_view option, std::string_view rawValue) {
  const OptionRow* row = OptionRowOf(option);
  if (row == nullptr) return false;
  OptionValue value{option, rawValue, DecodeArgument(rawValue, line.encoding)};
  const std::u32string& text = value.argument.text;
  switch (row->reading) {
    case OptionReading::Integer:
      value.number = IntegerOption(line, option, text, row->low, row->high);
      break;
    case OptionReading::Unit:
      value.number = UnitOption(line, option, text);
      break;
    case OptionReading::Switch:
      value.number = SwitchOption(line, option, text);
      break;
    case OptionReading::Flag:
      value.number = FlagOption(line, option, text);
      break;
    case OptionReading::Path:
      value.path = rawValue == "-" ? std::string(rawValue) : StandardizeOutputPath(rawValue);
      break;
    case OptionReading::Text:
    case OptionReading::Special:
      break;
  }
  row->set(line, value);
  return true;
}

}  // namespace kbc
