#include "linear/code93.h"

namespace kbc {
namespace {

// Characters by value; the four shifts follow at 43-46.
constexpr std::u32string_view kValueCharacters = U"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
static_assert(kValueCharacters.size() == 43);

constexpr int kShiftValue = 43;
constexpr int kCharacterCount = 47;

// A full-ASCII pair: a shift and a letter; each run of codes maps onto a run of letters.
std::u32string Pair(char32_t shift, char32_t c, char32_t firstCode, char32_t firstLetter = U'A') {
  return {shift, char32_t(firstLetter + (c - firstCode))};
}

// Weights 1, 2, ..., weightCycle, 1, 2, ... from the last character backwards.
int WeightedSum(std::u32string_view expanded, int weightCycle) {
  int sum = 0;
  for (std::size_t p = 0; p < expanded.size(); ++p) {
    const int weight = int(p % std::size_t(weightCycle)) + 1;
    sum += Code93Value(expanded[expanded.size() - 1 - p]) * weight;
  }
  return sum % kCharacterCount;
}

}  // namespace

std::u32string Code93Expand(char32_t c) {
  if (kValueCharacters.find(c) != std::u32string_view::npos) return {c};
  if (c == 0) return {kCode93ShiftPercent, U'U'};
  if (c <= 26) return Pair(kCode93ShiftDollar, c, 1);
  if (c <= 31) return Pair(kCode93ShiftPercent, c, 27);
  if (c <= U':') return Pair(kCode93ShiftSlash, c, U'!');  // "!" is (/)A .. ":" is (/)Z
  if (c <= U'?') return Pair(kCode93ShiftPercent, c, U';', U'F');
  if (c == U'@') return {kCode93ShiftPercent, U'V'};
  if (c <= U'_') return Pair(kCode93ShiftPercent, c, U'[', U'K');
  if (c == U'`') return {kCode93ShiftPercent, U'W'};
  if (c <= U'z') return Pair(kCode93ShiftPlus, c, U'a');
  if (c <= 127) return Pair(kCode93ShiftPercent, c, U'{', U'P');
  return {};
}

int Code93Value(char32_t internal) {
  if (internal >= kCode93ShiftDollar && internal <= kCode93ShiftPlus) {
    return kShiftValue + int(internal - kCode93ShiftDollar);
  }
  const std::size_t at = kValueCharacters.find(internal);
  return at == std::u32string_view::npos ? -1 : int(at);
}

char32_t Code93Char(int value) {
  if (value >= kShiftValue && value < kCharacterCount) return kCode93ShiftDollar + char32_t(value - kShiftValue);
  return value >= 0 && value < kShiftValue ? kValueCharacters[std::size_t(value)] : U'0';
}

Code93Checks Code93CheckCharacters(std::u32string_view expanded) {
  std::u32string withC(expanded);
  const char32_t c = Code93Char(WeightedSum(withC, 20));
  withC.push_back(c);
  return {c, Code93Char(WeightedSum(withC, 15))};
}

ElementWidths Code93Elements(std::u32string_view data) {
  ElementWidths elements;
  AppendPattern(elements, Code93AsciiPatterns[kCode93Start]);
  std::u32string expanded;
  for (const char32_t c : data) {
    if (c >= 128) continue;
    AppendPattern(elements, Code93AsciiPatterns[c]);
    expanded += Code93Expand(c);
  }
  const Code93Checks checks = Code93CheckCharacters(expanded);
  AppendPattern(elements, Code93AsciiPatterns[checks.c]);  // shifts are their own table indices
  AppendPattern(elements, Code93AsciiPatterns[checks.k]);
  AppendPattern(elements, Code93AsciiPatterns[kCode93Stop]);
  return elements;
}

Result<EncodedSymbol> Code93Encoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol;
  // Characters beyond ASCII have no pattern and are left out; the text shows them.
  symbol.encoded = data;
  std::erase_if(symbol.encoded, [](char32_t c) { return c >= 128; });
  symbol.text = data;
  symbol.elements = Code93Elements(data);
  symbol.width = ModuleCount(symbol.elements);
  return symbol;
}

}  // namespace kbc
