#include "request/option_values.h"

#include <algorithm>
#include <charconv>

#include "text/number_text.h"
#include "text/utf8.h"

namespace kbc {
namespace {

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

void Note(OptionNotes& notes, std::string_view option, std::string note) {
  std::erase_if(notes, [&](const auto& earlier) { return earlier.first == option; });
  if (!note.empty()) notes.emplace_back(option, std::move(note));
}

// -trim "x" is read as 0
std::string ReadAs(std::string_view option, std::u32string_view value, double read) {
  return std::string(option) + " \"" + Shown(value) + "\" is read as " + NumberText(read);
}

}  // namespace

std::string Shown(std::u32string_view value) {
  constexpr std::size_t kShownCharacters = 40;
  if (value.size() <= kShownCharacters) return ToUtf8(value);
  return ToUtf8(value.substr(0, kShownCharacters)) + "...";
}

void NoteValue(CommandLine& line, std::string_view option, std::string warning) {
  Note(line.valueWarnings, option, std::move(warning));
}

void NoteRefusal(CommandLine& line, std::string_view option, std::string refusal) {
  Note(line.valueRefusals, option, std::move(refusal));
}

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

std::int32_t FlagOption(CommandLine& line, std::string_view option, std::u32string_view value) {
  const std::int32_t read = IntegerValueOf(value);
  NoteValue(line, option, ReadsWholeInteger(value) ? std::string() : ReadAs(option, value, read));
  return read > 0 ? 1 : 0;
}

}  // namespace kbc
