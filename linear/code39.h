// Code 39 with the full-ASCII extension, and Code 32 (the Italian pharmacy
// number written in base 32 and drawn as Code 39). The symbol draw shared by
// the nine-element codes (Code 39, Code 32, Code 93, PZN) lives here too.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/table_checks.h"
#include "core/settings.h"
#include "core/types.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// ISO/IEC 16388 Table 1 (characters) and Annex full-ASCII table, by character
// code: nine elements per Code 39 character, bar first, "0" narrow and "1"
// wide. The 43 basic characters (with "$", "/", "+" and "%") stand for
// themselves, "*" is the start/stop character, every other code is its
// two-character pair (NUL is % U, 1-26 are $ A..$ Z, a-z are + A..+ Z).
// clang-format off
inline constexpr std::array<std::string_view, 128> Code39AsciiPatterns = {
    // 0-4
    "000101010110000001", "010101000100001001", "010101000001001001", "010101000101001000", "010101000000011001",
    // 5-9
    "010101000100011000", "010101000001011000", "010101000000001101", "010101000100001100", "010101000001001100",
    // 10-14
    "010101000000011100", "010101000100000011", "010101000001000011", "010101000101000010", "010101000000010011",
    // 15-19
    "010101000100010010", "010101000001010010", "010101000000000111", "010101000100000110", "010101000001000110",
    // 20-24
    "010101000000010110", "010101000110000001", "010101000011000001", "010101000111000000", "010101000010010001",
    // 25-29
    "010101000110010000", "010101000011010000", "000101010100001001", "000101010001001001", "000101010101001000",
    // 30-34
    "000101010000011001", "000101010100011000", "011000100", "010100010100001001", "010100010001001001",
    // 35-39
    "010100010101001000", "010101000", "000101010", "010100010001011000", "010100010000001101",
    // 40-44
    "010100010100001100", "010100010001001100", "010010100", "010001010", "010100010001000011",
    // 45-49
    "010000101", "110000100", "010100010", "000110100", "100100001",
    // 50-54
    "001100001", "101100000", "000110001", "100110000", "001110000",
    // 55-59
    "000100101", "100100100", "001100100", "010100010011010000", "000101010001011000",
    // 60-64
    "000101010000001101", "000101010100001100", "000101010001001100", "000101010000011100", "000101010011000001",
    // 65-69
    "100001001", "001001001", "101001000", "000011001", "100011000",
    // 70-74
    "001011000", "000001101", "100001100", "001001100", "000011100",
    // 75-79
    "100000011", "001000011", "101000010", "000010011", "100010010",
    // 80-84
    "001010010", "000000111", "100000110", "001000110", "000010110",
    // 85-89
    "110000001", "011000001", "111000000", "010010001", "110010000",
    // 90-94
    "011010000", "000101010100000011", "000101010001000011", "000101010101000010", "000101010000010011",
    // 95-99
    "000101010100010010", "000101010111000000", "010001010100001001", "010001010001001001", "010001010101001000",
    // 100-104
    "010001010000011001", "010001010100011000", "010001010001011000", "010001010000001101", "010001010100001100",
    // 105-109
    "010001010001001100", "010001010000011100", "010001010100000011", "010001010001000011", "010001010101000010",
    // 110-114
    "010001010000010011", "010001010100010010", "010001010001010010", "010001010000000111", "010001010100000110",
    // 115-119
    "010001010001000110", "010001010000010110", "010001010110000001", "010001010011000001", "010001010111000000",
    // 120-124
    "010001010010010001", "010001010110010000", "010001010011010000", "000101010001010010", "000101010000000111",
    // 125-127
    "000101010100000110", "000101010001000110", "000101010000010110",
};
// clang-format on
static_assert(NoEntryEmpty(Code39AsciiPatterns), "a pattern is missing");

// The characters a Code 39 symbol carries: a star in front unless the data
// starts with one and behind unless it ends with one; a star inside stays and is
// drawn as the start/stop character. Characters of code 128 and above are then
// dropped, so data ending in one may end in two stars.
std::u32string Code39SymbolText(std::u32string_view data);

// Narrow elements 1 unit, wide 3; every character starts with a bar and is
// followed by a one-unit gap, except the last.
ElementWidths Code39Elements(std::u32string_view symbolText);

// Mod-10 over 8 digits: from the right, digits at odd positions doubled (9 off
// a doubled value of 10 or more). The sum itself, not its complement.
char32_t Code32CheckDigit(std::u32string_view eightDigits);

// The 9-digit number as exactly six base-32 digits, most significant first, in
// the alphabet without vowels: 0-9 B C D F G H J K L M N P Q R S T U V W X Y Z.
std::u32string Code32ToBase32(std::u32string_view nineDigits);

// The digits of the data padded on the left with "0" or cut to 8, and the check digit.
std::u32string Code32Number(std::u32string_view data);

// The Code 39 text of a Code 32 number: "*", its base-32 form, "*".
std::u32string Code32SymbolText(std::u32string_view nineDigits);

// Code 39 carries its symbol text, stars included, and shows it.
Result<EncodedSymbol> Code39Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
// Code 32 carries its nine digits and shows them behind an "A".
Result<EncodedSymbol> Code32Encoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

// Code 39, Code 32, PZN and Code 93: no quiet zone, the elements from x 0 with
// bars from 16 up to the image height, and the display text or the symbol's
// text (when shown) one character every 7 units from x 5, baseline 7.
void RenderNineElementSymbol(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
