// Symbols that libzint encodes and our own frames draw. The library hands back
// one of four shapes, and one small function per shape turns it into the
// EncodedSymbol a frame of ours walks: a 2-D module grid, stacked rows, the
// bar and space modules of a linear symbol, or the bar states of a postal code.
#pragma once

#include <zint.h>

#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/result.h"

namespace kbc {

enum class ZintShape : std::uint8_t {
  Grid,       // square modules, `moduleUnits` a side
  Stacked,    // rows `moduleUnits` across and `rowUnits` high
  Bars,       // one row of modules, drawn with our text below
  BarStates,  // postal bars reaching up, down or both from a tracker
};

// What one added type asks of the library.
struct ZintRequest {
  std::string_view name;  // for refusals
  int symbology = 0;      // the library's BARCODE_ number
  ZintShape shape = ZintShape::Grid;
  double moduleUnits = 1;
  double rowUnits = 1;
  int option1 = 0;  // the library's per-symbology options, 0 for its defaults
  int option2 = 0;
  int option3 = 0;
};

// The data, as UTF-8, encoded by the library and turned into our shape; a
// refusal carries the library's reason. `primary` is MaxiCode's structured
// carrier message (postcode, country and service, run together).
Result<EncodedSymbol> EncodeThroughZint(const ZintRequest& request, std::u32string_view data,
                                        std::string_view primary = {});

// The four conversions, each from an encoded symbol of the library's.
ModuleGrid ZintModuleGrid(const zint_symbol& symbol, double moduleUnits);
ModuleGrid ZintStackedRows(const zint_symbol& symbol, double moduleUnits, double rowUnits);
std::vector<std::uint8_t> ZintBarElements(const zint_symbol& symbol);
// One letter per bar: 'F' full, 'A' ascender, 'D' descender, 'T' tracker. Two-row
// symbols (PLANET, CEPNet) have tall bars ('F') and short ones ('D').
std::string ZintBarStates(const zint_symbol& symbol);

}  // namespace kbc
