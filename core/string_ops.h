// In-place string operations used by shaping, checking and the renderers.
// Strings hold Unicode code points; lengths and indices count characters.
#pragma once

#include <cstddef>
#include <cstdint>
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

// Whether a cut stops at the first space (at index 1 or later) before the length cut.
enum class Spaces : bool { CutAtFirst, Keep };

// Deletes from the first space at index 1 or later when spaces are cut; then cuts to n.
void CutAtSpaceAndTruncate(std::u32string& s, std::size_t n, Spaces spaces);

// The ASCII characters a filter keeps.
enum class CharacterClass : std::uint8_t { Digits, Letters, DigitsAndLetters };

// Trims, then keeps only the ASCII characters of the class.
void FilterCharacters(std::u32string& s, CharacterClass keep);

// Trims, then removes every occurrence of ch.
void TrimAndRemoveAll(std::u32string& s, char32_t ch);

// Turns the two-character escapes \r \n \t \f \v into their control characters.
void UnescapeControlChars(std::u32string& s);

// Replaces every non-overlapping occurrence of from, scanning left to right, in one pass.
void ReplaceAll(std::u32string& s, std::u32string_view from, std::u32string_view to);
void ReplaceAll(std::string& s, std::string_view from, std::string_view to);

// ReplaceAll(s, pair, std::string(1, with)) for a two-character pair, in place
// and without a search that stops at every pair[0].
void ReplacePair(std::string& s, std::string_view pair, char with);

constexpr bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
constexpr bool IsAsciiUpper(char32_t c) { return c >= U'A' && c <= U'Z'; }
constexpr bool IsAsciiLower(char32_t c) { return c >= U'a' && c <= U'z'; }
constexpr bool IsAsciiLetter(char32_t c) { return IsAsciiUpper(c) || IsAsciiLower(c); }

// Widens ASCII text to a code-point string.
std::u32string Widen(std::string_view ascii);

}  // namespace kbc
