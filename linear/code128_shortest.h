// The shortest Code 128 symbol for a sequence of characters and FNC1s: the
// start code set, latches and shifts chosen as ISO/IEC 15417 allows them.
#pragma once

#include <span>
#include <vector>

namespace kbc {

// Characters are ASCII codes 0..127, or kGs1Fnc1 (-1) for FNC1. Returns the
// symbol values from the start character to the stop, check character
// included; empty when a character is outside 0..127. No sequence of starts,
// latches and shifts has fewer symbol characters.
std::vector<int> EncodeCode128Shortest(std::span<const int> characters);

}  // namespace kbc
