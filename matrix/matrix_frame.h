// The routine shape shared by every two-dimensional and stacked renderer: the
// encoded symbol's module grid gives the image size and the modules, and the
// frame puts one rectangle per dark module on every present target (the
// drawing target when there is one, and the EPS and SVG documents).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "render/drawing_target.h"

namespace kbc {

// One character per module, row-major, top row first, left module first;
// '1' is a dark module, anything else light.
using ModuleString = std::string;

// A symbol's size in modules, as its size query reports it.
struct MatrixSize {
  std::size_t columns = 0;
  std::size_t rows = 0;
};

// What a symbology not yet encoded once plugs into the frame.
struct MatrixSymbology {
  double moduleWidth = 1;   // units per module across
  double moduleHeight = 1;  // units per module up
  // Square symbols take their row length from the module string itself (its
  // integer square root); the others from the size query's columns.
  bool square = false;
  MatrixSize (*sizeQuery)(std::u32string_view data) = nullptr;
  void (*buildModules)(std::u32string_view data, ModuleString& out) = nullptr;
};

// Draws the symbol's module grid: colours and background, both documents begun
// with the image rectangle, the dark modules, documents ended.
void RenderMatrixSymbol(DrawingTarget* target, const BarcodeSettings& settings, const EncodedSymbol& symbol);

// Encodes the settings' data through the symbology's queries, then draws it as above.
void RenderMatrixSymbol(DrawingTarget* target, const BarcodeSettings& settings, const MatrixSymbology& symbology);

}  // namespace kbc
