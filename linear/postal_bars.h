// PostNet, RM4SCC and the facing identification marks: postal symbols whose
// bars differ in height rather than width. The encoders turn data into bar
// strings; the renderers only walk those strings.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/table_checks.h"
#include "core/settings.h"
#include "core/draw_list.h"

namespace kbc {

// USPS Publication 25, PostNet digit bars: two tall ('1') and three short
// ('0') bars per digit, weights 7 4 2 1 0 (0 is the pair 7 + 4).
// clang-format off
inline constexpr std::array<std::string_view, 10> PostNetPatterns = {
    "11000", "00011", "00101", "00110", "01001",  // 0-4
    "01010", "01100", "10001", "10010", "10100",  // 5-9
};
// clang-format on
static_assert(NoEntryEmpty(PostNetPatterns), "a pattern is missing");

// The digits a PostNet symbol carries: the data's digits fitted to a ZIP (5),
// ZIP+4 (9) or delivery point (11) by "0" in front, or cut to 11.
std::u32string PostNetDigits(std::u32string_view data);

// The digit that brings the sum of the digits to a multiple of 10.
int PostNetCheckDigit(std::u32string_view digits);

// One character per bar, '1' tall and '0' short: a tall frame bar, the digits,
// the check digit and a closing frame bar (5 × digits + 7 bars).
std::string EncodePostNet(std::u32string_view data);

// Royal Mail 4-State Customer Code character table, by value ("0"-"9" 0-9,
// "A"-"Z" 10-35): four ascender flags, then four descender flags. Each half is
// one of six two-bar patterns, the row (ascenders) and column (descenders) of
// the 6 × 6 matrix; its first three flags read in binary give that number.
// clang-format off
inline constexpr std::array<std::string_view, 36> Rm4sccPatterns = {
    "00110011", "00110101", "00110110", "00111001", "00111010", "00111100",  // 0-5, row 1
    "01010011", "01010101", "01010110", "01011001", "01011010", "01011100",  // 6-B, row 2
    "01100011", "01100101", "01100110", "01101001", "01101010", "01101100",  // C-H, row 3
    "10010011", "10010101", "10010110", "10011001", "10011010", "10011100",  // I-N, row 4
    "10100011", "10100101", "10100110", "10101001", "10101010", "10101100",  // O-T, row 5
    "11000011", "11000101", "11000110", "11001001", "11001010", "11001100",  // U-Z, row 6
};
// clang-format on
static_assert(NoEntryEmpty(Rm4sccPatterns), "a pattern is missing");

// The states of a four-state bar, one digit each in a bar-state string.
namespace BarState {
inline constexpr char kTracker = '1';
inline constexpr char kDescender = '2';
inline constexpr char kAscender = '3';
inline constexpr char kFull = '4';
}  // namespace BarState

// The characters an RM4SCC symbol carries: digits and letters, lower case
// raised to capitals, everything else dropped.
std::u32string Rm4sccCharacters(std::u32string_view data);

// The check character: the rows and the columns of the characters each summed
// modulo 6 (0 counting as 6) name the row and column of the check.
char32_t Rm4sccCheckCharacter(std::u32string_view characters);

// Bar states: start (ascender), four bars per character and for the check
// character, stop (full); 4n + 6 bars. Empty for fewer than 7 characters.
std::string EncodeRm4scc(std::u32string_view data);

// Facing identification marks A to D, nine positions each, '1' a bar
// (USPS Domestic Mail Manual 708.9).
// clang-format off
inline constexpr std::array<std::string_view, 4> FimPatterns = {
    "110010011", "101101101", "110101011", "111010111",  // A-D
};
// clang-format on
static_assert(NoEntryEmpty(FimPatterns), "a pattern is missing");

// The pattern of the data's first letter (either case); empty for any other.
std::string_view FimPattern(std::u32string_view data);

// The bar strings above as the symbols' bar states, one per element. PostNet
// carries its fitted digits, RM4SCC its characters (fewer than 7 are refused),
// FIM its one letter (anything else is refused).
Result<EncodedSymbol> PostNetEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> Rm4sccEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> FimEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

void RenderPostNet(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);
void RenderRm4scc(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);
void RenderFim(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
