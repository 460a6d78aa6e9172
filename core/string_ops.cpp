#include "core/string_ops.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kbc {

bool IsTrimmedWhiteSpace(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200B) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

void TrimWhiteSpace(std::u32string& s) {
  const auto first = std::ranges::find_if_not(s, IsTrimmedWhiteSpace);
  const auto last = std::find_if_not(s.rbegin(), s.rend(), IsTrimmedWhiteSpace).base();
  if (first >= last) {
    s.clear();
    return;
  }
  s = std::u32string(first, last);
}

void TruncateString(std::u32string& s, std::size_t n) {
  if (s.size() > n) s.erase(n);
}

void PadLeft(std::u32string& s, std::size_t n, char32_t pad) {
  if (s.size() < n) s.insert(0, n - s.size(), pad);
  TruncateString(s, n);
}

void CutAtSpaceAndTruncate(std::u32string& s, std::size_t n, Spaces spaces) {
  if (spaces == Spaces::CutAtFirst && s.size() > 1) {
    const auto space = s.find(U' ', 1);
    if (space != std::u32string::npos) s.erase(space);
  }
  TruncateString(s, n);
}

void FilterCharacters(std::u32string& s, CharacterClass keep) {
  TrimWhiteSpace(s);
  const bool digits = keep != CharacterClass::Letters;
  const bool letters = keep != CharacterClass::Digits;
  std::erase_if(s, [&](char32_t c) { return !((digits && IsAsciiDigit(c)) || (letters && IsAsciiLetter(c))); });
}

void TrimAndRemoveAll(std::u32string& s, char32_t ch) {
  TrimWhiteSpace(s);
  std::erase(s, ch);
}

void UnescapeControlChars(std::u32string& s) {
  // Long data (a QR Code's thousands of characters) seldom holds a backslash.
  if (s.find(U'\\') == std::u32string::npos) return;
  ReplaceAll(s, U"\\r", U"\r");
  ReplaceAll(s, U"\\n", U"\n");
  ReplaceAll(s, U"\\t", U"\t");
  ReplaceAll(s, U"\\f", U"\f");
  ReplaceAll(s, U"\\v", U"\v");
}

namespace {

template <typename String, typename View>
void ReplaceAllIn(String& s, View from, View to) {
  if (from.empty() || s.size() < from.size()) return;
  String out;
  out.reserve(s.size());
  std::size_t start = 0;
  for (std::size_t hit = s.find(from); hit != String::npos; hit = s.find(from, start)) {
    out.append(s, start, hit - start);
    out.append(to);
    start = hit + from.size();
  }
  if (start == 0) return;
  out.append(s, start, String::npos);
  s = std::move(out);
}

}  // namespace

namespace {

// Where first and second next stand side by side, eight positions a step: a
// byte of the word below is zero exactly where the pair starts. The clean-ups
// at a document's end look for pairs of spaces among many single ones, which
// a search stopping at each space makes slow.
const char* FindPair(const char* at, const char* end, char first, char second) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighs = 0x8080808080808080;
  const std::uint64_t firsts = kOnes * std::uint8_t(first);
  const std::uint64_t seconds = kOnes * std::uint8_t(second);
  for (; end - at >= 9; at += 8) {
    std::uint64_t here;
    std::uint64_t next;
    std::memcpy(&here, at, 8);
    std::memcpy(&next, at + 1, 8);
    const std::uint64_t apart = (here ^ firsts) | (next ^ seconds);
    if (((apart - kOnes) & ~apart & kHighs) != 0) break;
  }
  for (; end - at >= 2; ++at) {
    if (at[0] == first && at[1] == second) return at;
  }
  return nullptr;
}

}  // namespace

void ReplacePair(std::string& s, std::string_view pair, char with) {
  const char* const begin = s.data();
  const char* const end = begin + s.size();
  const char* hit = FindPair(begin, end, pair[0], pair[1]);
  if (hit == nullptr) return;
  char* out = s.data() + (hit - begin);
  const char* in = hit;
  for (; hit != nullptr; hit = FindPair(in, end, pair[0], pair[1])) {
    std::memmove(out, in, std::size_t(hit - in));
    out += hit - in;
    *out++ = with;
    in = hit + 2;
  }
  std::memmove(out, in, std::size_t(end - in));
  s.resize(std::size_t(out + (end - in) - s.data()));
}

void ReplaceAll(std::u32string& s, std::u32string_view from, std::u32string_view to) {
  ReplaceAllIn(s, from, to);
}

void ReplaceAll(std::string& s, std::string_view from, std::string_view to) { ReplaceAllIn(s, from, to); }

std::u32string Widen(std::string_view ascii) {
  std::u32string wide;
  wide.reserve(ascii.size());
  for (const char c : ascii) wide.push_back(char32_t(static_cast<unsigned char>(c)));
  return wide;
}

}  // namespace kbc
