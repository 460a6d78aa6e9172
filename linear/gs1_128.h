// GS1-128 from an element string typed with its AIs in brackets: the shortest
// Code 128 symbol with FNC1 first, and the AIs printed in parentheses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoded_symbol.h"

namespace kbc {

// GS1 General Specifications 5.4.1: a GS1-128 symbol holds at most 48 data characters.
inline constexpr std::size_t kGs1_128MostDataCharacters = 48;

struct Gs1_128Symbol {
  std::vector<int> values;  // start, FNC1, data, check, stop
  std::u32string text;      // the element string as GS1 prints it
};

Result<Gs1_128Symbol> EncodeGs1_128(std::u32string_view elementString);

// EAN-128 under -gs1 1: drawn as EAN-128 is, its text the element string as
// GS1 prints it, set small from the left edge as the fixed-length forms print theirs.
Result<EncodedSymbol> Gs1_128Encoding(std::u32string_view elementString, std::u32string_view addon, const SymbolOptions& options);

}  // namespace kbc
