// How option values are read: numbers leniently, with a warning for every
// value not taken as typed, and a refusal for values that cannot be read otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "request/options.h"

namespace kbc {

// A value as a warning shows it: decoded, and by its start when long.
std::string Shown(std::u32string_view value);

// Replace the option's earlier warning or refusal: only its last value counts.
// An empty note leaves none.
void NoteValue(CommandLine& line, std::string_view option, std::string warning);
void NoteRefusal(CommandLine& line, std::string_view option, std::string refusal);

// "-scale 200 is outside 50..150, so 150 is used"; empty when the value was
// taken as typed. `whole`: the value was a number throughout.
std::string ValueWarning(std::string_view option, std::u32string_view value, bool whole, double read, double low,
                         double high, double used);

// A whole number, clamped into low..high.
std::int32_t IntegerOption(CommandLine& line, std::string_view option, std::u32string_view value, std::int32_t low,
                           std::int32_t high);
// The integer's low 16 bits as a signed number, on (1) when positive.
std::int16_t SwitchOption(CommandLine& line, std::string_view option, std::u32string_view value);
// A decimal clamped into 0..1.
double UnitOption(CommandLine& line, std::string_view option, std::u32string_view value);
// On (1) when the value is positive; only a value that is not a number is noted.
std::int32_t FlagOption(CommandLine& line, std::string_view option, std::u32string_view value);

}  // namespace kbc
