// Codabar: digits and six signs between start and stop letters a-d, seven
// elements a character, narrow 1 and wide 3, one unit between characters.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// The characters in table order.
inline constexpr std::u32string_view kCodabarCharacters = U"0123456789-$:/.+abcd";

// ANSI/AIM BC3 Codabar character table: bar, space, bar, space, bar, space, bar;
// "1" marks a wide element.
// clang-format off
inline constexpr std::array<std::string_view, 20> CodabarPatterns = {
    "0000011", "0000110", "0001001", "1100000", "0010010",  // 0-4
    "1000010", "0100001", "0100100", "0110000", "1001000",  // 5-9
    "0001100", "0011000", "1000101", "1010001", "1010100",  // - $ : / .
    "0010101", "0011010", "0101001", "0001011", "0001110",  // + a b c d
};
// clang-format on
static_assert(CodabarPatterns.size() == kCodabarCharacters.size());

// Whether a character is one of the start/stop letters A-D in either case.
constexpr bool IsCodabarStartStop(char32_t c) { return (c >= U'A' && c <= U'D') || (c >= U'a' && c <= U'd'); }

// Data with the start "a" added unless it begins with a start/stop letter,
// and the stop "b" unless it ends with one.
std::u32string WithCodabarStartStop(std::u32string_view data);

// The characters Codabar can draw, start/stop letters in lower case; anything
// else is dropped.
std::u32string CodabarCharacters(std::u32string_view withStartStop);

// Seven elements per character and the one-unit gap after each.
ElementWidths CodabarElements(std::u32string_view characters);

// The symbol carries the data with the start "A" and stop "B" it adds, in
// capitals as warnings quote them; its text shows them in lower case.
Result<EncodedSymbol> CodabarEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderCodabar(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
