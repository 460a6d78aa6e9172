#include "linear/gs1_element_string.h"

#include <algorithm>
#include <optional>
#include <span>

#include "linear/gs1_ai_table.h"
#include "linear/gs1_component_checks.h"

namespace kbc {
namespace {

// GS1 General Specifications, Figure 7.11-1 (set 82), 7.11-2 (set 39) and
// 7.11-3 (set 64, base64url with its padding).
constexpr std::string_view kSet82Punctuation = "!\"%&'()*+,-./:;<=>?_";
constexpr std::string_view kSet39Punctuation = "#-/";
constexpr std::string_view kSet64Punctuation = "-_";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

bool InCharacters(char c, Gs1Characters characters) {
  switch (characters) {
    case Gs1Characters::Digits:
      return IsDigit(c);
    case Gs1Characters::Set39:
      return IsDigit(c) || IsUpper(c) || kSet39Punctuation.find(c) != std::string_view::npos;
    case Gs1Characters::Set64:
      return IsDigit(c) || IsUpper(c) || IsLower(c) || kSet64Punctuation.find(c) != std::string_view::npos;
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
    case Gs1Characters::Set64:
      return "digits, letters, - and _ (base64url)";
    case Gs1Characters::Set82:
      break;
  }
  return "digits, letters and !\"%&'()*+,-./:;<=>?_";
}

std::string Named(const std::string& ai) { return "AI (" + ai + ")"; }

std::string Lengths(std::size_t low, std::size_t high) {
  return low == high ? std::to_string(low) : std::to_string(low) + " to " + std::to_string(high);
}

// Set 64 data may end in up to two "=" of padding.
std::string_view WithoutPadding(std::string_view data, Gs1Characters characters) {
  for (int i = 0; i < 2 && characters == Gs1Characters::Set64 && data.ends_with('='); ++i) data.remove_suffix(1);
  return data;
}

// Why the component is not valid data of its AI; empty when it is.
std::string ComponentRefusal(const std::string& ai, const Gs1Component& format, std::string_view component) {
  for (const char c : WithoutPadding(component, format.characters)) {
    if (!InCharacters(c, format.characters)) {
      return Named(ai) + " cannot hold \"" + std::string(1, c) + "\"; it takes " +
             std::string(CharactersName(format.characters));
    }
  }
  for (const Gs1Check check : format.checks) {
    if (std::string why = Gs1CheckRefusal(check, component); !why.empty()) return Named(ai) + " " + why;
  }
  return {};
}

}  // namespace

// The data is cut into the AI's components in order: fixed ones take their length, the
// variable one (always last) the rest, optional ones nothing once it ends.
std::string Gs1FieldRefusal(const Gs1Field& field) {
  const std::optional<Gs1AiFormat> format = FindGs1Ai(field.ai);
  if (!format) return Named(field.ai) + " is not a GS1 application identifier";
  const std::span<const Gs1Component> components(format->components.data(), format->componentCount);
  std::size_t shortest = 0;
  std::size_t longest = 0;
  for (const Gs1Component& c : components) {
    shortest += c.optional ? 0 : c.minLength;
    longest += c.maxLength;
  }
  const std::string_view data = field.data;
  if (data.size() < shortest || data.size() > longest) {
    return Named(field.ai) + " takes " + Lengths(shortest, longest) + " characters (got " +
           std::to_string(data.size()) + ")";
  }
  std::size_t at = 0;
  for (std::size_t i = 0; i < components.size(); ++i) {
    const Gs1Component& c = components[i];
    if (at == data.size() && c.optional) break;
    const std::string_view part = data.substr(at, c.maxLength);
    if (part.size() < c.minLength) {
      return Named(field.ai) + " takes " + Lengths(c.minLength, c.maxLength) + " characters in its part " +
             std::to_string(i + 1) + " (got " + std::to_string(part.size()) + ")";
    }
    if (std::string why = ComponentRefusal(field.ai, c, part); !why.empty()) return why;
    at += part.size();
  }
  return {};
}

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
    if (std::string why = Gs1FieldRefusal(field); !why.empty()) return refuse(std::move(why));
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
