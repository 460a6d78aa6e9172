#include "request/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "core/near_names.h"
#include "core/string_ops.h"
#include "core/symbology.h"
#include "files/path.h"
#include "text/argument_text.h"
#include "text/number_text.h"
#include "text/utf8.h"

namespace kbc {
namespace {

constexpr std::array<std::pair<std::string_view, OutputAction>, 7> kActionWords = {{
    {"clip", OutputAction::Clipboard},
    {"epsf", OutputAction::Eps},
    {"jpeg", OutputAction::Jpeg},
    {"pdff", OutputAction::Pdf},
    {"pngf", OutputAction::Png},
    {"svgf", OutputAction::Svg},
    {"tiff", OutputAction::Tiff},
}};

template <typename T>
T Clamp(T value, T low, T high) {
  return std::min(std::max(value, low), high);
}

std::string NumberText(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

using OptionNotes = std::vector<std::pair<std::string, std::string>>;

// Replaces the option's earlier note: only its last value counts.
void Note(OptionNotes& notes, std::string_view option, std::string note) {
  std::erase_if(notes, [&](const auto& earlier) { return earlier.first == option; });
  if (!note.empty()) notes.emplace_back(option, std::move(note));
}

void NoteValue(CommandLine& line, std::string_view option, std::string warning) {
  Note(line.valueWarnings, option, std::move(warning));
}

// A value as the warning shows it: decoded, and by its start when long.
std::string Shown(std::u32string_view value) {
  constexpr std::size_t kShownCharacters = 40;
  if (value.size() <= kShownCharacters) return ToUtf8(value);
  return ToUtf8(value.substr(0, kShownCharacters)) + "...";
}

// -trim "x" is read as 0
std::string ReadAs(std::string_view option, std::u32string_view value, double read) {
  return std::string(option) + " \"" + Shown(value) + "\" is read as " + NumberText(read);
}

// "-scale 200 is outside 50..150, so 150 is used"; empty when the value was
// taken as typed.
std::string ValueWarning(std::string_view option, std::u32string_view value, bool whole, double read, double low,
                         double high, double used) {
  if (whole && read >= low && read <= high) return {};
  if (!whole && read >= low && read <= high) return ReadAs(option, value, read);
  const std::string warning = whole ? std::string(option) + ' ' + Shown(value) + " is" : ReadAs(option, value, read) + ',';
  return warning + " outside " + NumberText(low) + ".." + NumberText(high) + ", so " +
         NumberText(used) + " is used";
}

std::int32_t IntegerOption(CommandLine& line, std::string_view option, std::u32string_view value, std::int32_t low, std::int32_t high) {
  const std::int32_t read = IntegerValueOf(value);
  const std::int32_t used = Clamp(read, low, high);
  NoteValue(line, option, ValueWarning(option, value, ReadsWholeInteger(value), read, low, high, used));
  return used;
}

// A switch option: the integer's low 16 bits as a signed number, on when positive.
std::int16_t SwitchOption(CommandLine& line, std::string_view option, std::u32string_view value) {
  const std::int32_t read = IntegerValueOf(value);
  const auto low = static_cast<std::int16_t>(static_cast<std::uint16_t>(read & 0xFFFF));
  const std::int16_t on = low > 0 ? 1 : 0;
  const bool whole = ReadsWholeInteger(value);
  std::string warning = whole ? std::string() : ReadAs(option, value, read);
  if (on != (read > 0 ? 1 : 0)) {
    warning = (whole ? std::string(option) + ' ' + Shown(value) + " counts" : warning + ", which counts") + " as " +
              (on ? "on" : "off") + ": only its low 16 bits are read";
  }
  NoteValue(line, option, std::move(warning));
  return on;
}

double UnitOption(CommandLine& line, std::string_view option, std::u32string_view value) {
  const double read = DoubleValueOf(value);
  const double used = Clamp(read, 0.0, 1.0);
  NoteValue(line, option, ValueWarning(option, value, ReadsWholeDecimal(value), read, 0, 1, used));
  return used;
}

// On when the value is positive; only a value that is not a number is noted.
std::int32_t FlagOption(CommandLine& line, std::string_view option, std::u32string_view value) {
  const std::int32_t read = IntegerValueOf(value);
  NoteValue(line, option, ReadsWholeInteger(value) ? std::string() : ReadAs(option, value, read));
  return read > 0 ? 1 : 0;
}

// `unknown -type "Ean13"; did you mean "EAN-13"?`
std::string UnknownWordReason(std::string_view option, const std::string& typed, std::string_view nearest) {
  std::string reason = "unknown " + std::string(option) + " \"" + typed + "\"";
  if (!nearest.empty()) reason += "; did you mean \"" + std::string(nearest) + "\"?";
  return reason;
}

std::string UnknownActionReason(const std::string& typed) {
  std::vector<std::string_view> words;
  for (const auto& [word, action] : kActionWords) words.push_back(word);
  return UnknownWordReason("-action", typed, NearestName(typed, words));
}

// Degrees clockwise as quarter turns; nothing for any other value.
std::optional<std::int16_t> QuarterTurnsOf(std::u32string_view value) {
  const std::int32_t degrees = IntegerValueOf(value);
  if (!ReadsWholeInteger(value) || degrees < 0 || degrees >= 360 || degrees % 90 != 0) return std::nullopt;
  return std::int16_t(degrees / 90);
}

// Every option ApplyOption reads, for naming the nearest to a misspelt one.
constexpr std::array<std::string_view, 34> kOptionNames = {
    "-action", "-type", "-data", "-addon", "-scale", "-trim", "-disp", "-antialiasoff", "-fontsmoothoff",
    "-fontname", "-fontsize", "-colmode", "-fcolcomponent1", "-fcolcomponent2", "-fcolcomponent3",
    "-fcolcomponent4", "-fcolcomponent5", "-bcolcomponent1", "-bcolcomponent2", "-bcolcomponent3",
    "-bcolcomponent4", "-bcolcomponent5", "-coltrans", "-gs1", "-showtext", "-dpi", "-batch", "-threads",
    "-output", "-margin", "-rotate", "-csv", "-quietzones", "-csvpaths",
};

}  // namespace

bool IsOptionName(std::string_view word) { return std::ranges::find(kOptionNames, word) != kOptionNames.end(); }

std::string_view NearestOptionName(std::string_view typed) { return NearestName(typed, kOptionNames); }

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
    const bool spelt = bare.size() >= 2 && bare[0] == '-' &&
                       ((bare[1] >= 'a' && bare[1] <= 'z') || (bare[1] >= 'A' && bare[1] <= 'Z'));
    if (!spelt || (word == bare && IsOptionName(word)) || (i > 1 && IsOptionName(args[i - 1]))) continue;
    std::string warning = "unknown option " + OneLine(word) + " ignored";
    if (const std::string_view nearest = NearestOptionName(bare); !nearest.empty()) {
      warning += "; did you mean " + std::string(nearest) + "?";
    }
    warnings.push_back(std::move(warning));
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
  for (const auto& [word, code] : kActionWords) {
    if (code == action) return word;
  }
  return {};
}

OutputAction ActionFromWord(std::u32string_view word) {
  for (const auto& [candidate, action] : kActionWords) {
    if (std::ranges::equal(candidate, word, [](char a, char32_t b) { return char32_t(a) == b; })) return action;
  }
  return OutputAction::None;
}

bool ApplyOption(CommandLine& line, std::string_view option, std::string_view rawValue) {
  BarcodeSettings& s = line.settings;
  const ArgumentText argument = DecodeArgument(rawValue);
  const std::u32string& value = argument.text;

  if (option == "-action") {
    line.action = ActionFromWord(value);
    s.placementMode = line.action == OutputAction::None ? kPlaceCentredYDown : kPlaceAtOrigin;
    line.unknownAction = line.action == OutputAction::None ? std::string(rawValue) : std::string();
  } else if (option == "-type") {
    s.symbology = SymbologyFromName(value);
    line.unknownType = s.symbology == kNoSymbology ? std::string(rawValue) : std::string();
  } else if (option == "-data") {
    s.data = value;
    s.dataUtf8 = argument.utf8;
    UnescapeControlChars(s.data);
  } else if (option == "-addon") {
    s.addon = value;
  } else if (option == "-scale") {
    s.scale = IntegerOption(line, option, value, 50, 150);
  } else if (option == "-trim") {
    s.trim = IntegerOption(line, option, value, 0, 100);
  } else if (option == "-disp") {
    s.displayText = value;
  } else if (option == "-antialiasoff") {
    s.antialiasOff = SwitchOption(line, option, value);
  } else if (option == "-fontsmoothoff") {
    s.fontSmoothOff = SwitchOption(line, option, value);
  } else if (option == "-fontname") {
    s.fontName = value;
  } else if (option == "-fontsize") {
    // A negative size stands for the smallest, 1 point.
    const double size = DoubleValueOf(value);
    s.fontSize = size < 0 ? 1.0 : std::min(size, 96.0);
    NoteValue(line, option, ValueWarning(option, value, ReadsWholeDecimal(value), size, 0, 96, s.fontSize));
  } else if (option == "-colmode") {
    s.colourMode = std::uint32_t(IntegerOption(line, option, value, 0, 2));
  } else if (option.starts_with("-fcolcomponent") || option.starts_with("-bcolcomponent")) {
    const std::string_view digit = option.substr(14);
    if (digit.size() != 1 || digit[0] < '1' || digit[0] > '5') return false;
    ColourComponents& target = option[1] == 'f' ? s.foreground : s.background;
    target[std::size_t(digit[0] - '1')] = UnitOption(line, option, value);
  } else if (option == "-coltrans") {
    s.opaqueBackground = FlagOption(line, option, value);
  } else if (option == "-gs1") {
    s.gs1 = std::int16_t(FlagOption(line, option, value));
  } else if (option == "-margin") {
    s.margin = IntegerOption(line, option, value, 0, 1000);
  } else if (option == "-rotate") {
    const std::optional<std::int16_t> turns = QuarterTurnsOf(value);
    s.quarterTurns = turns.value_or(0);
    Note(line.valueRefusals, option,
         turns ? std::string() : "-rotate " + Shown(value) + " is no quarter turn: give 0, 90, 180 or 270 (degrees clockwise)");
  } else if (option == "-quietzones") {
    s.quietZones = std::int16_t(FlagOption(line, option, value));
  } else if (option == "-showtext") {
    s.textOff = FlagOption(line, option, value) == 0 ? 1 : 0;
  } else if (option == "-dpi") {
    s.dpi = IntegerOption(line, option, value, 72, 2400);
  } else if (option == "-batch") {
    line.batchPath = rawValue == "-" ? std::string(rawValue) : StandardizeOutputPath(rawValue);
  } else if (option == "-csv") {
    line.csvPath = rawValue == "-" ? std::string(rawValue) : StandardizeOutputPath(rawValue);
  } else if (option == "-csvpaths") {
    line.csvPathsAny = rawValue == "any";
    Note(line.valueRefusals, option,
         rawValue == "any" || rawValue == "inside"
             ? std::string()
             : "-csvpaths " + Shown(value) + " is no path rule: give inside (the default) or any");
  } else if (option == "-threads") {
    line.threads = IntegerOption(line, option, value, 1, 64);
  } else if (option == "-output") {
    line.outputPath = StandardizeOutputPath(rawValue);
  } else {
    return false;
  }
  return true;
}

}  // namespace kbc
