// What a symbology's encoder makes of one request's shaped data: the symbol's
// size and everything its renderer draws. Encoders answer Result<EncodedSymbol>,
// refused when nothing can be drawn. A request is encoded once; the data check
// sizes the image from this record and every output draws the same record,
// handed to it const.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/symbol_options.h"

namespace kbc {

// Modules of a two-dimensional or stacked symbol.
struct ModuleGrid {
  std::size_t columns = 0;
  std::size_t rows = 0;
  std::string modules;             // rows × columns, top row first, '1' dark
  double moduleWidth = 1;          // units per module across
  double moduleHeight = 1;         // units per row up, where rowHeights is empty
  std::vector<double> rowHeights;  // top row first, for rows that differ in height
};

// The forms below are the pattern; each family fills the ones its renderer
// walks and leaves the others empty.
struct EncodedSymbol {
  std::int64_t width = 0;        // image width in units
  std::optional<double> height;  // image height of symbols that size themselves

  // The data as the symbol carries it: filtered, padded, completed with check
  // digits where the symbology replaces a given one. Warnings compare it with
  // the data given.
  std::u32string encoded;

  std::u32string text;                // human-readable characters, as drawn
  std::u32string addOn;               // the add-on as drawn
  std::vector<std::uint8_t> elements;  // bar and space widths in modules, alternating; or bar states
  std::vector<std::string> parts;     // module strings ('1' dark) of parts drawn at their own heights
  ModuleGrid grid;
  int variant = 0;  // a choice of the encoder's that the drawing shows (Code 128's code set)

  // Drawn without text (-showtext 0), the symbologies whose image leaves room
  // for the text lose that room: its height in units, and the width without
  // it where the text alone set the width (0: the same width).
  int textRoom = 0;
  std::int64_t widthWithoutText = 0;
};

}  // namespace kbc
