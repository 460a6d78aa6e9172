// Pharmacode (one track): one integer as narrow and wide bars, 2 units apart.
#pragma once

#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"
#include "render/linear_frame.h"

namespace kbc {

// The last 9 characters of data of 10 or more.
std::u32string PharmacodeDigits(std::u32string_view data);

// The bars of a value from the right: "0" (narrow) for an odd value, which
// continues as (v − 1) / 2, "1" (wide) for an even one, continuing as
// (v − 2) / 2, until the value is 0 or less; always at least one bar.
std::string PharmacodeBars(long long value);

// Narrow bars 1 unit, wide 3, the spaces between them 2.
ElementWidths PharmacodeElements(std::string_view bars);

// The elements of the digits' value; the image at least 7 units per digit wide
// for the text under the bars, which is the data as given.
Result<EncodedSymbol> PharmacodeEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
void RenderPharmacode(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
