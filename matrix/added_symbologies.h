// The encoders of the types added after the specified set, each one request
// to libzint (matrix/zint_symbols.h) whose result our frames draw.
#pragma once

#include <string_view>

#include "core/encoded_symbol.h"
#include "core/result.h"
#include "core/symbol_options.h"

namespace kbc {

// The rMQR version of a size, 1 (R7x43) to 32 (R17x139), or 0 for a size
// rMQR does not have.
int RmqrVersionOf(int rows, int columns);

// Two-dimensional and stacked symbols, drawn by the matrix frame.
Result<EncodedSymbol> EncodeAztec(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeAztecRunes(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeRmqr(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeMicroPdf417(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeHibcDataMatrix(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeHibcQr(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeHibcPdf417(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeHibcMicroPdf417(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeHibcAztec(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
// Linear symbols, drawn with our text below them.
Result<EncodedSymbol> EncodeCode11(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeLogmars(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodePlessey(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeHibc128(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeHibc39(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeVin(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeDpd(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeChannelCode(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeLeitcode(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
// Postal bar states.
Result<EncodedSymbol> EncodeAusPost(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeKix(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeJapanPost(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodePlanet(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

}  // namespace kbc
