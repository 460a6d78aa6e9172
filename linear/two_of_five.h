// The two-of-five family: Code 25 (bars only), Interleaved 2 of 5, ITF-14 and
// ITF-SCC with its bearer frame. The digits are drawn as received after the
// zero fill: none of these symbols adds or checks a check digit.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// Five elements per digit, exactly two of them wide, with the start and stop
// of a symbol, as width digits.
struct TwoOfFiveTable {
  std::array<std::string_view, 10> digits;
  std::string_view start;
  std::string_view stop;
};

// ISO/IEC 16390 Table 1 (N N W W N for 0 ... N W N W N for 9). Code 25 draws
// every width as a bar with a one-unit space after it; its start and stop have
// wide bars of 2 units where the digits' are 3.
// clang-format off
inline constexpr TwoOfFiveTable Code25Patterns{
    {"11331", "31113", "13113", "33111", "11313",   // 0-4
     "31311", "13311", "11133", "31131", "13131"},  // 5-9
    "221", "212"};

// The same digits interleaved: the start and stop alternate bar and space, and
// the stop ends in a space of width 0.
inline constexpr TwoOfFiveTable Interleaved25Patterns{
    {"11331", "31113", "13113", "33111", "11313",   // 0-4
     "31311", "13311", "11133", "31131", "13131"},  // 5-9
    "1111", "3110"};

// ITF-SCC draws the narrow elements 2 units and the wide ones 5.
inline constexpr TwoOfFiveTable ItfSccPatterns{
    {"22552", "52225", "25225", "55222", "22525",   // 0-4
     "52522", "25522", "22255", "52252", "25252"},  // 5-9
    "2222", "5220"};
// clang-format on

// Every digit has five elements, exactly two of them wide.
constexpr bool TwoWideOfFive(const TwoOfFiveTable& table, char wide) {
  for (const std::string_view digit : table.digits) {
    int wideCount = 0;
    for (const char width : digit) wideCount += width == wide ? 1 : 0;
    if (digit.size() != 5 || wideCount != 2) return false;
  }
  return true;
}
static_assert(TwoWideOfFive(Code25Patterns, '3') && TwoWideOfFive(Interleaved25Patterns, '3') &&
              TwoWideOfFive(ItfSccPatterns, '5'));

// Code 25: start, digits, stop, every table width a bar followed by a one-unit
// space (the last space ends the symbol before its quiet zone).
ElementWidths Code25Elements(std::u32string_view digits);

// Digits of an Interleaved-25 symbol: a "0" in front of an odd count.
std::u32string EvenDigits(std::u32string_view digits);

// ITF-14 and ITF-SCC digits: padded on the left with "0" or cut to 14.
std::u32string FourteenDigits(std::u32string_view digits);

// Interleaved: the start, then for each digit pair the bars of the first digit
// alternating with the spaces of the second, then the stop. An odd last digit
// is ignored (callers pass an even count).
ElementWidths InterleavedElements(std::u32string_view evenDigits, const TwoOfFiveTable& table);

// Code 25 carries the data as given. Interleaved-25 carries its even digits,
// ITF-14 and ITF-SCC the data as given; their text is the digits drawn.
Result<EncodedSymbol> Code25Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> Interleaved25Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> Itf14Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> ItfSccEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

void RenderCode25(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);
// Interleaved-25 and ITF-14.
void RenderInterleaved(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);
void RenderItfScc(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
