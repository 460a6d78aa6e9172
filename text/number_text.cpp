#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace kbc {
namespace {

bool IsSkippedWhiteSpace(char32_t c) {
  return c < 0x21 || (c >= 0x7F && c <= 0xA0) || (c >= 0x2000 && c <= 0x200B) || c == 0x3000;
}

std::size_t SkipWhiteSpace(std::u32string_view text, std::size_t i) {
  while (i < text.size() && IsSkippedWhiteSpace(text[i])) ++i;
  return i;
}

bool OnlyWhiteSpaceFrom(std::u32string_view text, std::size_t i) { return SkipWhiteSpace(text, i) == text.size(); }

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

std::int32_t IntegerValueOf(std::u32string_view text) {
  std::size_t i = SkipWhiteSpace(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == U'+' || text[i] == U'-')) {
    negative = text[i] == U'-';
    i = SkipWhiteSpace(text, i + 1);
  }
  std::int64_t magnitude = 0;
  constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
  for (; i < text.size() && text[i] >= U'0' && text[i] <= U'9'; ++i) {
    magnitude = std::min<std::int64_t>(magnitude * 10 + (text[i] - U'0'), kLimit);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return std::int32_t(value);
}

double DoubleValueOf(std::u32string_view text) {
  std::size_t i = SkipWhiteSpace(text, 0);
  std::string number;
  for (; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (!((c >= U'0' && c <= U'9') || c == U'+' || c == U'-' || c == U'.' || c == U'e' || c == U'E')) break;
    number.push_back(char(c));
  }
  // from_chars is locale-independent; it reads the longest valid prefix of the run.
  const char* first = number.data();
  if (!number.empty() && number[0] == '+') ++first;
  double value = 0;
  const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    // A huge exponent reads as infinity of the number's sign, a tiny one as zero.
    const std::string_view read(first, std::size_t(end - first));
    const auto exponent = read.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos && exponent + 1 < read.size() && read[exponent + 1] == '-';
    const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    return *first == '-' ? -magnitude : magnitude;
  }
  return error == std::errc() ? value : 0.0;
}

bool ReadsWholeInteger(std::u32string_view text) {
  std::size_t i = SkipWhiteSpace(text, 0);
  if (i < text.size() && (text[i] == U'+' || text[i] == U'-')) i = SkipWhiteSpace(text, i + 1);
  const std::size_t digits = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i > digits && OnlyWhiteSpaceFrom(text, i);
}

bool ReadsWholeDecimal(std::u32string_view text) {
  const std::size_t start = SkipWhiteSpace(text, 0);
  std::string number;
  for (std::size_t i = start; i < text.size() && text[i] < 0x80; ++i) number.push_back(char(text[i]));
  const char* first = number.data();
  if (!number.empty() && number[0] == '+') ++first;
  double value = 0;
  const char* end = std::from_chars(first, number.data() + number.size(), value).ptr;
  // from_chars also takes "inf" and "nan", which the reading above does not.
  const bool numeric = end > first && std::all_of(first, end, [](char c) {
    return IsDigit(char32_t(c)) || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
  });
  return numeric && OnlyWhiteSpaceFrom(text, start + std::size_t(end - number.data()));
}

}  // namespace kbc
