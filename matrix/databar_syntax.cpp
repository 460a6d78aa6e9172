#include "matrix/databar_syntax.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/string_ops.h"
#include "core/table_checks.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// The ISO/IEC 646 characters DataBar Expanded encodes besides digits and
// letters (ISO/IEC 24724, the ISO/IEC 646 encodation table).
constexpr std::u32string_view kPunctuation = U" \"!%&'()*+,-./:;<=>?_";

bool IsEncodable(char32_t c) {
  return IsAsciiDigit(c) || IsAsciiLetter(c) || kPunctuation.find(c) != kPunctuation.npos;
}

bool IsDigitPair(std::string_view s, std::size_t at) {
  return at + 1 < s.size() && IsAsciiDigit(char32_t(s[at])) && IsAsciiDigit(char32_t(s[at + 1]));
}

std::string Quoted(char32_t c) { return "\"" + ToUtf8(std::u32string_view(&c, 1)) + "\""; }

}  // namespace

Result<std::string> BracketElements(std::u32string_view part, std::string_view typeName) {
  const std::string name(typeName);
  std::string text;
  for (const char32_t c : part) {
    if (c == U'^') {
      return Refusal(name + " cannot encode the symbol separator \"^\"");
    }
    if (c != U'#' && !IsEncodable(c)) {
      return Refusal(name + " cannot encode " + Quoted(c) +
                     "; it takes digits, letters, space, \"#\" for FNC1 and !\"%&'()*+,-./:;<=>?_");
    }
    text.push_back(char(c));
  }

  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t hash = text.find('#', start);
    fields.push_back(std::string_view(text).substr(start, hash == text.npos ? text.npos : hash - start));
    if (hash == text.npos) break;
    start = hash + 1;
  }

  std::string bracketed;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view field = fields[i];
    if (!IsDigitPair(field, 0) || field.size() < 3) {
      return Refusal(name + " data must begin, and go on after each \"#\", with an application "
          "identifier and its data (got \"" +
          std::string(field) + "\")");
    }
    // The library writes FNC1 between two bracketed fields only after one whose
    // identifier has a variable length. A "#" after a predefined-length field is
    // kept by closing the field with a bracket of variable length before it.
    std::size_t split = 0;
    if (i + 1 < fields.size() && HasPredefinedLength(field.substr(0, 2))) {
      for (std::size_t at = 3; at + 3 <= field.size() && split == 0; ++at) {
        if (IsDigitPair(field, at) && !HasPredefinedLength(field.substr(at, 2))) split = at;
      }
      if (split == 0) {
        return Refusal(name + " cannot put \"#\" after the fixed-length field \"" + std::string(field) + "\"");
      }
    }
    const std::string_view head = split == 0 ? field : field.substr(0, split);
    bracketed += "[" + std::string(head.substr(0, 2)) + "]" + std::string(head.substr(2));
    if (split != 0) bracketed += "[" + std::string(field.substr(split, 2)) + "]" + std::string(field.substr(split + 2));
  }
  return bracketed;
}

namespace {

Result<std::string> BracketPart(std::u32string_view part) { return BracketElements(part, "GS1 DataBar Expanded"); }

}  // namespace

// GS1 General Specifications, element strings with predefined length (by the
// first two digits of the identifier); 23 is kept for older data.
bool HasPredefinedLength(std::string_view ai) {
  constexpr std::array<std::string_view, 23> kPredefined = {"00", "01", "02", "03", "04",  //  0
                                                            "11", "12", "13", "14", "15",  //  5
                                                            "16", "17", "18", "19", "20",  // 10
                                                            "23", "31", "32", "33", "34",  // 15
                                                            "35", "36", "41"};             // 20
  static_assert(NoEntryEmpty(kPredefined), "a predefined identifier is missing");
  return std::ranges::find(kPredefined, ai) != kPredefined.end();
}

Result<BracketedElements> BracketElementString(std::u32string_view data) {
  const std::size_t bar = data.find(U'|');
  Result<std::string> linear = BracketPart(data.substr(0, bar));
  if (!linear) return Refusal(std::move(linear.refusal));
  if (bar == data.npos) return BracketedElements{std::move(*linear), {}};
  const std::u32string_view component = data.substr(bar + 1);
  if (component.find(U'|') != component.npos) {
    return Refusal("GS1 DataBar Expanded data takes one \"|\" before the composite component");
  }
  Result<std::string> composite = BracketPart(component);
  if (!composite) return Refusal(std::move(composite.refusal));
  return BracketedElements{std::move(*linear), std::move(*composite)};
}

}  // namespace kbc
