#include "linear/gs1_element_string.h"

#include <algorithm>

#include "linear/gs1_ai_table.h"

namespace kbc {
namespace {

// GS1 General Specifications, Figure 7.11-1 (set 82) and 7.11-2 (set 39).
constexpr std::string_view kSet82Punctuation = "!\"%&'()*+,-./:;<=>?_";
constexpr std::string_view kSet39Punctuation = "#-/";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

bool InCharacters(char c, Gs1Characters characters) {
  switch (characters) {
    case Gs1Characters::Digits:
      return IsDigit(c);
    case Gs1Characters::Set39:
      return IsDigit(c) || IsUpper(c) || kSet39Punctuation.find(c) != std::string_view::npos;
    case Gs1Characters::Set82:
      break;
  }
  return IsDigit(c) || IsUpper(c) || IsLower(c) || kSet82Punctuation.find(c) != std::string_view::npos;
}

std::string_view CharactersName(Gs1Characters characters) {
  switch (characters) {
    case Gs1Characters::Digits:
      return "digits only";
    case Gs1Characters::Set39:
      return "digits, capitals and # - /";
    case Gs1Characters::Set82:
      break;
  }
  return "digits, letters and !\"%&'()*+,-./:;<=>?_";
}

int TwoDigits(std::string_view s, std::size_t at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); }

// YYMMDD; GS1 reads YY within a sliding century, so every YY is a year and
// only February needs the leap-year rule (a YY divisible by 4 is a leap year
// in every century the sliding window can pick but 2100, far enough away).
bool IsDate(std::string_view yymmdd, bool zeroDay) {
  const int year = TwoDigits(yymmdd, 0);
  const int month = TwoDigits(yymmdd, 2);
  const int day = TwoDigits(yymmdd, 4);
  if (month < 1 || month > 12) return false;
  if (day == 0) return zeroDay;
  constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && day == 29) return year % 4 == 0;
  return day <= kDays[month - 1];
}

std::string Named(const std::string& ai) { return "AI (" + ai + ")"; }

// Why the field is not valid data of its AI; empty when it is.
std::string FieldRefusal(const Gs1Field& field) {
  const std::optional<Gs1AiFormat> format = FindGs1Ai(field.ai);
  if (!format) return Named(field.ai) + " is not a GS1 application identifier";
  const std::size_t length = field.data.size();
  if (length < format->minLength || length > format->maxLength) {
    const std::string wanted = format->minLength == format->maxLength
                                   ? std::to_string(format->minLength)
                                   : std::to_string(format->minLength) + " to " + std::to_string(format->maxLength);
    return Named(field.ai) + " takes " + wanted + " characters (got " + std::to_string(length) + ")";
  }
  for (std::size_t i = 0; i < length; ++i) {
    const bool leadingDigit = i < format->leadingDigits;
    const Gs1Characters characters = leadingDigit ? Gs1Characters::Digits : format->characters;
    if (!InCharacters(field.data[i], characters)) {
      return Named(field.ai) + " cannot hold \"" + std::string(1, field.data[i]) + "\"; " +
             (leadingDigit ? "its first " + std::to_string(format->leadingDigits) + " characters are digits"
                           : "it takes " + std::string(CharactersName(characters)));
    }
  }
  if (format->meaning == Gs1Meaning::CheckDigit) {
    const std::string_view checked = std::string_view(field.data).substr(0, format->checkedDigits);
    const char expected = Gs1CheckDigit(checked.substr(0, checked.size() - 1));
    if (checked.back() != expected) {
      return Named(field.ai) + " check digit is " + std::string(1, checked.back()) + ", it should be " +
             std::string(1, expected);
    }
  }
  const bool date = format->meaning == Gs1Meaning::Date || format->meaning == Gs1Meaning::DateOrZeroDay;
  if (date && !IsDate(std::string_view(field.data).substr(0, 6), format->meaning == Gs1Meaning::DateOrZeroDay)) {
    return Named(field.ai) + " date " + field.data.substr(0, 6) + " is not a date YYMMDD";
  }
  return {};
}

}  // namespace

char Gs1CheckDigit(std::string_view digits) {
  int sum = 0;
  int weight = 3;
  for (auto c = digits.rbegin(); c != digits.rend(); ++c) {
    sum += (*c - '0') * weight;
    weight = 4 - weight;
  }
  return char('0' + (10 - sum % 10) % 10);
}

Result<std::vector<Gs1Field>> ParseGs1ElementString(std::u32string_view text) {
  std::vector<Gs1Field> fields;
  const auto refuse = [](std::string why) { return Refusal(std::move(why)); };
  if (text.empty() || (text.front() != U'(' && text.front() != U'[')) {
    return refuse("GS1 data must begin with an application identifier in parentheses, such as (01)");
  }
  // The bracket the data starts with opens every AI: the other kind is data.
  const char32_t open = text.front();
  const char32_t close = open == U'(' ? U')' : U']';
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find(close, at + 1);
    if (end == text.npos) return refuse("an application identifier is not closed");
    Gs1Field field;
    for (std::size_t i = at + 1; i < end; ++i) {
      if (text[i] < U'0' || text[i] > U'9') return refuse("an application identifier must be digits only");
      field.ai.push_back(char(text[i]));
    }
    if (field.ai.size() < 2 || field.ai.size() > 4) return refuse("an application identifier has 2 to 4 digits");
    const std::size_t next = std::min(text.find(open, end + 1), text.size());
    for (std::size_t i = end + 1; i < next; ++i) {
      if (text[i] > 0x7E) return refuse(Named(field.ai) + " cannot hold a character outside ASCII");
      field.data.push_back(char(text[i]));
    }
    if (std::string why = FieldRefusal(field); !why.empty()) return refuse(std::move(why));
    fields.push_back(std::move(field));
    at = next;
  }
  return fields;
}

std::vector<int> Gs1EncodedCharacters(const std::vector<Gs1Field>& fields) {
  std::vector<int> characters;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    for (const char c : fields[i].ai + fields[i].data) characters.push_back(static_cast<unsigned char>(c));
    if (i + 1 < fields.size() && !Gs1HasPredefinedLength(fields[i].ai)) characters.push_back(kGs1Fnc1);
  }
  return characters;
}

std::string Gs1JoinedFields(const std::vector<Gs1Field>& fields, char separator) {
  std::string joined;
  for (const int c : Gs1EncodedCharacters(fields)) joined.push_back(c == kGs1Fnc1 ? separator : char(c));
  return joined;
}

std::u32string Gs1DataBarData(const std::vector<Gs1Field>& fields) {
  const std::string joined = Gs1JoinedFields(fields, '#');
  return std::u32string(joined.begin(), joined.end());
}

std::string Gs1HumanReadable(const std::vector<Gs1Field>& fields) {
  std::string text;
  for (const Gs1Field& field : fields) text += "(" + field.ai + ")" + field.data;
  return text;
}

std::size_t Gs1DataCharacterCount(const std::vector<Gs1Field>& fields) {
  std::size_t count = 0;
  for (const Gs1Field& field : fields) count += field.ai.size() + field.data.size();
  return count;
}

}  // namespace kbc
