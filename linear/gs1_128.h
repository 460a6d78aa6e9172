// GS1-128 from an element string typed with its AIs in brackets: the shortest
// Code 128 symbol with FNC1 first, and the AIs printed in parentheses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "render/drawing_target.h"

namespace kbc {

// GS1 General Specifications 5.4.1: a GS1-128 symbol holds at most 48 data characters.
inline constexpr std::size_t kGs1_128MostDataCharacters = 48;

struct Gs1_128Symbol {
  std::vector<int> values;  // start, FNC1, data, check, stop; empty when refused
  std::u32string text;      // the element string as GS1 prints it
  std::string refusal;
};

Gs1_128Symbol EncodeGs1_128(std::u32string_view elementString);

// The image width in units: the symbol between quiet zones of 10.
std::int64_t Gs1_128Width(const Gs1_128Symbol& symbol);

// Draws as EAN-128 does, with the text set small from the left edge, one
// character every 7 units, as the fixed-length GS1-128 forms print theirs.
void RenderGs1_128(DrawingTarget* target, const BarcodeSettings& settings);

}  // namespace kbc
