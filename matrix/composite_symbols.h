// GS1 Composite symbols: a linear symbol with a 2-D component (CC-A, CC-B or
// CC-C, which libzint picks by the component's length) stacked above it. The
// linear part is the request's data, the component its -addon, both written as
// GS1 DataBar Expanded element strings are (bare identifiers, "#" after a
// variable-length field).
#pragma once

#include <string_view>

#include "core/draw_list.h"
#include "core/encoded_symbol.h"
#include "core/result.h"
#include "core/settings.h"
#include "core/symbol_options.h"

namespace kbc {

// The component and its separator rows are the grid, top first, 1 unit a
// module; GS1-128's bars are its last row, EAN-13's are its parts, drawn by our
// EAN-13 body with the component above them.
Result<EncodedSymbol> EncodeGs1128Composite(std::u32string_view data, std::u32string_view component,
                                            const SymbolOptions& options);
Result<EncodedSymbol> EncodeEan13Composite(std::u32string_view data, std::u32string_view component,
                                           const SymbolOptions& options);

void RenderEan13Composite(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
