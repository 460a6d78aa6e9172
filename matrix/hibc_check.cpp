#include "matrix/hibc_check.h"

#include "text/utf8.h"

namespace kbc {
namespace {

// The Code 39 character values 0..42 (ISO/IEC 16388), which HIBC's check sums.
constexpr std::u32string_view kHibcCharacters = U"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

char32_t Capital(char32_t c) { return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c; }

std::string Quoted(char32_t c) { return "\"" + ToUtf8(std::u32string(1, c)) + "\""; }

}  // namespace

std::optional<char32_t> HibcCheckCharacter(std::u32string_view flagAndData) {
  std::size_t sum = 0;
  for (const char32_t c : flagAndData) {
    const std::size_t value = kHibcCharacters.find(Capital(c));
    if (value == kHibcCharacters.npos) return std::nullopt;
    sum += value;
  }
  return kHibcCharacters[sum % kHibcCharacters.size()];
}

Result<std::u32string> HibcDataToEncode(std::u32string_view data, const SymbolOptions& options) {
  if (!options.hibcCheckGiven) return std::u32string(data);
  if (data.starts_with(U'+')) data.remove_prefix(1);
  if (data.size() < 2) return Refusal("-hibc-check given needs the data followed by its check character");
  const std::u32string_view body = data.substr(0, data.size() - 1);
  const char32_t given = data.back();
  const std::optional<char32_t> check = HibcCheckCharacter(U"+" + std::u32string(body));
  if (!check) return Refusal("HIBC data takes digits, capitals and - . space $ / + % only");
  if (Capital(given) != *check) {
    return Refusal("the HIBC check character " + Quoted(given) + " does not match the data, whose check character is " +
                   Quoted(*check));
  }
  return std::u32string(body);
}

}  // namespace kbc
