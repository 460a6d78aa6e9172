// Every option, one row each: how its value is read, what it sets, where it
// may be given, and how the usage text and --help describe it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "text/argument_text.h"
#include "request/options.h"

namespace kbc {

enum class OptionReading : std::uint8_t {
  Integer,  // a whole number, clamped into the row's low..high
  Unit,     // a decimal, clamped into 0..1
  Switch,   // on when the integer's low 16 bits are positive
  Flag,     // on when positive
  Text,     // the decoded text as typed
  Path,     // a path, standardised; "-" stays standard input or output
  Special,  // the setter reads the value itself
};

enum class OptionScope : std::uint8_t {
  Request,  // one barcode's
  Render,   // the library names it with each render (-action)
  Run,      // the whole run's: neither the library nor a CSV column takes it
};

// A value as its reading leaves it for the setter.
struct OptionValue {
  std::string_view option;  // with its dash
  std::string_view raw;     // the bytes as given
  ArgumentText argument;    // the bytes decoded
  double number = 0;        // Integer, Unit, Switch, Flag: the value used
  std::string path = {};    // Path
};

// The option's block in --help's ADDED OPTIONS, after the usage text's options.
struct OptionHelp {
  int place = 0;  // the blocks' order, from 1; 0 for none
  std::string_view heading = {};  // the name when empty
  std::string_view text = {};
  std::string_view example = {};
  // The -rotate block has always run into the next one: its bytes stay.
  bool blankLineAfter = true;
};

struct OptionRow {
  std::string_view name;  // with its dash
  OptionReading reading;
  void (*set)(CommandLine& line, const OptionValue& value);
  std::int32_t low = 0;  // Integer: the range
  std::int32_t high = 0;
  std::string_view usage = {};  // its paragraph in the usage text; empty for the options added since
  OptionHelp help = {};
  OptionHelp laterHelp = {};  // a second block, for -action's second added value
  OptionScope scope = OptionScope::Request;
  std::string_view runReason = {};  // Run: why a CSV column cannot name it
};

// Every option, in the order the misspelling hints try them.
std::span<const OptionRow> OptionRows();

// The row of an option named with its dash; none for any other word.
const OptionRow* OptionRowOf(std::string_view name);

}  // namespace kbc
