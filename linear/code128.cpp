#include "linear/code128.h"

#include <algorithm>

#include "cli/string_ops.h"

namespace kbc {
namespace {

constexpr int StartValue(CodeSet codeSet) {
  switch (codeSet) {
    case CodeSet::A:
      return kCode128StartA;
    case CodeSet::C:
      return kCode128StartC;
    case CodeSet::B:
      break;
  }
  return kCode128StartB;
}

// Set A holds the control characters after the upper-case half of ASCII.
constexpr int SetAValue(char32_t c) {
  if (c < 32) return int(c) + 64;
  if (c <= 95) return int(c) - 32;
  return -1;
}

constexpr int SetBValue(char32_t c) { return c >= 32 && c <= 127 ? int(c) - 32 : -1; }

void AppendDataValues(CodeSet codeSet, std::u32string_view data, std::vector<int>& values) {
  if (codeSet == CodeSet::C) {
    std::u32string digits(data);
    std::erase_if(digits, [](char32_t c) { return !IsAsciiDigit(c); });
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
      values.push_back(int(digits[i] - U'0') * 10 + int(digits[i + 1] - U'0'));
    return;
  }
  for (const char32_t c : data) {
    const int value = codeSet == CodeSet::A ? SetAValue(c) : SetBValue(c);
    if (value >= 0) values.push_back(value);
  }
}

}  // namespace

int Code128CheckValue(std::span<const int> fromStart) {
  if (fromStart.empty()) return 0;
  long sum = fromStart[0];
  for (std::size_t i = 1; i < fromStart.size(); ++i) sum += long(fromStart[i]) * long(i);
  return int(sum % 103);
}

Code128Symbol EncodeInCodeSet(CodeSet codeSet, std::u32string_view data, bool fnc1) {
  Code128Symbol symbol{codeSet, {StartValue(codeSet)}};
  if (fnc1) symbol.values.push_back(kCode128Fnc1);
  AppendDataValues(codeSet, data, symbol.values);
  symbol.values.push_back(Code128CheckValue(symbol.values));
  symbol.values.push_back(kCode128Stop);
  return symbol;
}

CodeSet ChooseCodeSet(std::u32string_view data) {
  std::u32string kept(data);
  std::erase_if(kept, [](char32_t c) { return c >= 128; });
  if (kept.empty()) return CodeSet::B;
  if (!std::ranges::all_of(kept, [](char32_t c) { return IsAsciiDigit(c) || IsAsciiUpper(c); })) return CodeSet::B;
  if (kept.size() % 2 == 0 && std::ranges::all_of(kept, IsAsciiDigit)) return CodeSet::C;
  return CodeSet::A;
}

Code128Symbol EncodeCode128(std::u32string_view data, bool fnc1) {
  return EncodeInCodeSet(ChooseCodeSet(data), data, fnc1);
}

std::u32string FixedLengthGs1Digits(std::u32string_view digits, std::size_t digitCount) {
  std::u32string fixed(digits);
  PadLeft(fixed, digitCount, U'0');
  return fixed;
}

Code128Symbol EncodeFixedLengthGs1(std::u32string_view applicationIdentifier, std::u32string_view digits) {
  std::u32string data(applicationIdentifier);
  data += digits;
  return EncodeInCodeSet(CodeSet::C, data, true);
}

std::string Code128Elements(const Code128Symbol& symbol) {
  std::string elements;
  for (const int value : symbol.values) {
    if (value >= 0 && std::size_t(value) < Code128Patterns.size()) elements += Code128Patterns[std::size_t(value)];
  }
  return elements;
}

int Code128ModuleCount(const Code128Symbol& symbol) {
  int modules = 0;
  for (const char width : Code128Elements(symbol)) modules += width - '0';
  return modules;
}

}  // namespace kbc
