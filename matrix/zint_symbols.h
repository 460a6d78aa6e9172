// Symbols that libzint encodes and our own frames draw. The library hands back
// one of five shapes, and one small function per shape turns it into the
// EncodedSymbol a frame of ours walks: a 2-D module grid, stacked rows, rows
// bound by separator bars, the bar and space modules of a linear symbol, or
// the bar states of a postal code.
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
  BoundRows,  // rows of bars `rowUnits` high between separator bars 1 unit high (`binding`)
  Bars,       // one row of modules, drawn with our text below
  BarStates,  // postal bars reaching up, down or both from a tracker
};

// What the data is handed to the library as: the Mac OS Roman bytes of the
// data, as QR Code and Data Matrix carry it, or its characters, which the
// library checks against the symbology's own set and converts to it (ISO 8859-1
// for the Code 128 family, GB 18030 for Han Xin, ISO 8859-2 for UPNQR).
enum class ZintInput : std::uint8_t { MacRomanBytes, Characters };

// The separator bars of a BoundRows symbol, which the library leaves to its
// drawing. Some symbologies count their quiet zones inside the symbol, their
// top and bottom bars running across them; some keep the separators between
// rows clear of their start and stop characters. All in modules.
struct ZintBinding {
  int leadingLight = 0;     // light modules drawn before each row
  int trailingLight = 0;    // and after it
  bool edgesOverLight = false;  // the top and bottom bars run over that light
  int separatorStart = 0;   // separators between rows leave this many of a row's modules
  int separatorEnd = 0;     // at its start and end to the row's own bars
};

// What one added type asks of the library.
struct ZintRequest {
  std::string_view name;  // for refusals
  int symbology = 0;      // the library's BARCODE_ number
  ZintShape shape = ZintShape::Grid;
  ZintInput input = ZintInput::MacRomanBytes;
  double moduleUnits = 1;
  double rowUnits = 1;
  ZintBinding binding = {};
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
// The rows with their separator bars as rows of their own, 1 unit high.
ModuleGrid ZintBoundRows(const zint_symbol& symbol, double rowUnits, const ZintBinding& binding);
std::vector<std::uint8_t> ZintBarElements(const zint_symbol& symbol);
// One letter per bar: 'F' full, 'A' ascender, 'D' descender, 'T' tracker. Two-row
// symbols (PLANET, CEPNet) have tall bars ('F') and short ones ('D').
std::string ZintBarStates(const zint_symbol& symbol);

}  // namespace kbc
