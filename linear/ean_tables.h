// EAN/UPC pattern tables (ISO/IEC 15420) and the check values of the family.
// Set letters: A the odd-parity left-hand codes (L), B the even-parity
// left-hand codes (G), C the right-hand codes (R).
#pragma once

#include <array>
#include <string_view>

#include "render/linear_frame.h"

namespace kbc {

// ISO/IEC 15420 Table 1: number sets A (L), B (G) and C (R), 7 modules each.
inline constexpr std::array<ModulePattern, 10> kEanSetA = {
    "0001101", "0011001", "0010011", "0111101", "0100011",  // 0-4
    "0110001", "0101111", "0111011", "0110111", "0001011",  // 5-9
};
inline constexpr std::array<ModulePattern, 10> kEanSetB = {
    "0100111", "0110011", "0011011", "0100001", "0011101",  // 0-4
    "0111001", "0000101", "0010001", "0001001", "0010111",  // 5-9
};
inline constexpr std::array<ModulePattern, 10> kEanSetC = {
    "1110010", "1100110", "1101100", "1000010", "1011100",  // 0-4
    "1001110", "1010000", "1000100", "1001000", "1110100",  // 5-9
};

// EAN-13 sets of the six left-hand digits by the leading digit.
inline constexpr std::array<std::string_view, 10> kEan13FirstDigitParity = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",  // 0-4
    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",  // 5-9
};

// 2-digit add-on sets by the add-on value modulo 4.
inline constexpr std::array<std::string_view, 4> kAddOn2Parity = {"AA", "AB", "BA", "BB"};

// 5-digit add-on sets by the add-on check value.
inline constexpr std::array<std::string_view, 10> kAddOn5Parity = {
    "BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",  // 0-4
    "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB",  // 5-9
};

// UPC-E sets of the six digits by check digit, number system 0 and 1.
inline constexpr std::array<std::string_view, 10> kUpcEParityNs0 = {
    "BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",  // 0-4
    "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB",  // 5-9
};
inline constexpr std::array<std::string_view, 10> kUpcEParityNs1 = {
    "AAABBB", "AABABB", "AABBAB", "AABBBA", "ABAABB",  // 0-4
    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",  // 5-9
};

inline constexpr ModulePattern kStartGuard = "101";
inline constexpr ModulePattern kCentreGuard = "01010";
inline constexpr ModulePattern kEndGuard = "101";
inline constexpr ModulePattern kAddOnStart = "1011";
inline constexpr ModulePattern kAddOnSeparator = "01";
inline constexpr ModulePattern kUpcEEndGuard = "010101";

// The pattern of a digit ('0'..'9') in set 'A', 'B' or 'C'; empty for anything else.
constexpr ModulePattern EanDigitPattern(char set, char32_t digit) {
  if (digit < U'0' || digit > U'9') return {};
  const auto d = std::size_t(digit - U'0');
  switch (set) {
    case 'A':
      return kEanSetA[d];
    case 'B':
      return kEanSetB[d];
    case 'C':
      return kEanSetC[d];
    default:
      return {};
  }
}

// GS1 modulo-10 check digit: weight 3 on the rightmost digit and every second
// one to its left, 1 on the others; 0 for an empty string.
int EanCheckDigit(std::u32string_view digits);

// The check character of an old ISBN (ISO 2108, weights 10..2) or ISSN
// (ISO 3297, weights 8..2): modulo 11, written X for 10.
char32_t BookNumberCheckCharacter(std::u32string_view digits);

// 5-digit add-on check value: weights 3 and 9 from the right, sum modulo 10.
int AddOn5CheckValue(std::u32string_view digits);

}  // namespace kbc
