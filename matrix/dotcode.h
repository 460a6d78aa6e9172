// DotCode (AIM ISS DotCode), the symbol printed by high-speed ink-jets on
// cigarette packs and cartons: libzint places the dots on alternate cells of
// its grid, and we draw each as a round dot.
#pragma once

#include <string_view>

#include "core/draw_list.h"
#include "core/encoded_symbol.h"
#include "core/result.h"
#include "core/settings.h"
#include "core/symbol_options.h"

namespace kbc {

Result<EncodedSymbol> EncodeDotCode(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

// One dot per dark module, centred in its cell.
void RenderDotCode(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
