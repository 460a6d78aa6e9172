// MaxiCode (ISO/IEC 16023), the parcel carriers' symbol: libzint places the
// codewords on the 33 rows of 30 hexagons, and we draw them as hexagons round
// the finder's rings. Modes 2 and 3 begin with a structured carrier message
// (postcode, country, service), which the data gives the way a reader returns
// it, so that what is read back equals what was given.
#pragma once

#include <numbers>
#include <string>
#include <string_view>

#include "core/draw_list.h"
#include "core/encoded_symbol.h"
#include "core/result.h"
#include "core/settings.h"
#include "core/symbol_options.h"

namespace kbc {

// The hexagons' pitch across, in units: ISO/IEC 16023's nominal symbol is one
// inch (72 units) high, 32 row pitches of W·√3/2 plus one hexagon, 2W/√3 from
// corner to corner.
inline constexpr double kMaxiCodeHeight = 72;
inline constexpr double kMaxiCodePitch = kMaxiCodeHeight / (16 * std::numbers::sqrt3 + 2 / std::numbers::sqrt3);

// A mode 2 or 3 message split for the symbol: the primary message's fields,
// and the rest, the secondary message (with the "[)>RS01GSvv" header of an
// ANSI MH10.8.3 message kept at its front).
struct CarrierMessage {
  std::string postcode;
  std::string country;
  std::string service;
  std::u32string secondary;
};

// Data in the form "[)>RS01GSvv" POSTCODE GS COUNTRY GS SERVICE GS rest, or the
// same without the header: mode 2 takes a postcode of 1-9 digits, mode 3 one
// of 1-6 letters, digits or spaces; country and service are 3 digits each.
Result<CarrierMessage> SplitCarrierMessage(std::u32string_view data, int mode);

Result<EncodedSymbol> EncodeMaxiCode(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

// The dark modules as hexagons, odd rows half a pitch to the right, and the
// finder's three dark rings at the centre.
void RenderMaxiCode(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
