// The GS1 application identifiers the GS1 mode accepts, with the format of
// their data, as data: GS1 General Specifications, section 3.2 (the AI table)
// and Figure 7.8.5-2 (element strings with predefined length).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kbc {

// The characters a field may hold: digits, GS1 AI encodable character set 82,
// or set 39 (digits, capitals and # - /).
enum class Gs1Characters : std::uint8_t { Digits, Set82, Set39 };

// Meaning checked beyond the characters: a GS1 mod-10 check digit ending the
// first `checkedDigits`, or a date YYMMDD in the first six digits (DateOrZeroDay:
// day 00 stands for the month's last day).
enum class Gs1Meaning : std::uint8_t { None, CheckDigit, Date, DateOrZeroDay };

struct Gs1AiFormat {
  std::string_view ai;  // digits; 'n' stands for any digit, 'd' for 0-5 (decimal point position)
  std::uint8_t minLength;
  std::uint8_t maxLength;
  Gs1Characters characters;
  Gs1Meaning meaning = Gs1Meaning::None;
  std::uint8_t checkedDigits = 0;  // CheckDigit: digits the check covers, its own last
  std::uint8_t leadingDigits = 0;  // digits a Set82 field must begin with
};

// The format of an AI, nothing for an AI the table lacks.
std::optional<Gs1AiFormat> FindGs1Ai(std::string_view ai);

// Whether the field of an AI has a predefined length, so that no FNC1 needs to
// follow it (by the AI's first two digits).
bool Gs1HasPredefinedLength(std::string_view ai);

}  // namespace kbc
