// GS1 QR Code and GS1 Data Matrix: element strings encoded with FNC1 in first
// position and GS (0x1D) after each variable-length field that is not last.
#pragma once

#include <string_view>

#include "core/encoded_symbol.h"

namespace kbc {

// The rows' encoders under -gs1 1: the symbol of an element string as typed, or
// why there is none (not valid GS1 data, or too long).
Result<EncodedSymbol> EncodeGs1QrCode(std::u32string_view elementString, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeGs1DataMatrix(std::u32string_view elementString, std::u32string_view addon, const SymbolOptions& options);

}  // namespace kbc
