// GS1 element strings as people type them, (01)09501101530003(17)250101 or
// [01]09501101530003[17]250101: split into fields, checked against the AI
// table, and put into the forms the symbols carry and print.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace kbc {

struct Gs1Field {
  std::string ai;
  std::string data;
};

// One encoded character: a data character, or FNC1.
inline constexpr int kGs1Fnc1 = -1;

// Reads and checks the element string: every AI in the table, every field of
// its length and character set, check digits and dates right; or why it is
// not valid GS1 data.
Result<std::vector<Gs1Field>> ParseGs1ElementString(std::u32string_view text);

// The characters a symbol carries: AIs and data without brackets, FNC1 after
// every field of variable length but the last, and nowhere else (no leading FNC1).
std::vector<int> Gs1EncodedCharacters(const std::vector<Gs1Field>& fields);

// The same with a separator character in place of each FNC1 ('#' for DataBar
// Expanded, GS for the 2-D symbols).
std::string Gs1JoinedFields(const std::vector<Gs1Field>& fields, char separator);

// DataBar Expanded's bare form: "#" for each FNC1.
std::u32string Gs1DataBarData(const std::vector<Gs1Field>& fields);

// The human-readable text: each AI in parentheses followed by its data.
std::string Gs1HumanReadable(const std::vector<Gs1Field>& fields);

// The number of characters GS1-128 counts against its limit of 48: AIs and data.
std::size_t Gs1DataCharacterCount(const std::vector<Gs1Field>& fields);

// The GS1 mod-10 check digit of digits (weights 3, 1, ... from the right).
char Gs1CheckDigit(std::string_view digits);

}  // namespace kbc
