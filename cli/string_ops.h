// In-place string operations used by shaping, checking and the renderers.
// Strings hold Unicode code points; lengths and indices count characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kbc {

// White space as the platform's trimming removes it (both ends).
bool IsTrimmedWhiteSpace(char32_t c);
void TrimWhiteSpace(std::u32string& s);

// Deletes everything from index n on when s is longer than n.
void TruncateString(std::u32string& s, std::size_t n);

// Pads with copies of pad at the front up to n characters; cuts to n when longer.
void PadLeft(std::u32string& s, std::size_t n, char32_t pad);

// Without keepSpaces, deletes from the first space at index 1 or later; then cuts to n.
void CutAtSpaceAndTruncate(std::u32string& s, std::size_t n, int keepSpaces);

// Trims, then keeps ASCII digits (unless noDigits) and ASCII letters (unless noLetters).
void FilterCharacters(std::u32string& s, int noLetters, int noDigits);

// Trims; with removeAll, also removes every occurrence of ch.
void TrimAndRemoveChar(std::u32string& s, int removeAll, char32_t ch);

// Turns the two-character escapes \r \n \t \f \v into their control characters.
void UnescapeControlChars(std::u32string& s);

// Replaces every non-overlapping occurrence of from, scanning left to right, in one pass.
void ReplaceAll(std::u32string& s, std::u32string_view from, std::u32string_view to);
void ReplaceAll(std::string& s, std::string_view from, std::string_view to);

constexpr bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
constexpr bool IsAsciiUpper(char32_t c) { return c >= U'A' && c <= U'Z'; }
constexpr bool IsAsciiLower(char32_t c) { return c >= U'a' && c <= U'z'; }
constexpr bool IsAsciiLetter(char32_t c) { return IsAsciiUpper(c) || IsAsciiLower(c); }

// Widens ASCII text to a code-point string.
std::u32string Widen(std::string_view ascii);

}  // namespace kbc
