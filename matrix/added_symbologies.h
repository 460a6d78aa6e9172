// The encoders of the types added after the specified set, each one request
// to libzint (matrix/zint_symbols.h) whose result our frames draw.
#pragma once

#include <string_view>

#include "core/encoded_symbol.h"
#include "core/result.h"

namespace kbc {

// Two-dimensional and stacked symbols, drawn by the matrix frame.
Result<EncodedSymbol> EncodeAztec(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeAztecRunes(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeRmqr(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeMicroPdf417(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeHibcDataMatrix(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeHibcQr(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeHibcPdf417(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeHibcMicroPdf417(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeHibcAztec(std::u32string_view data, std::u32string_view addon);
// Linear symbols, drawn with our text below them.
Result<EncodedSymbol> EncodeCode11(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeLogmars(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodePlessey(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeHibc128(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeHibc39(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeVin(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeDpd(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeChannelCode(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeLeitcode(std::u32string_view data, std::u32string_view addon);
// Postal bar states.
Result<EncodedSymbol> EncodeAusPost(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeKix(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodeJapanPost(std::u32string_view data, std::u32string_view addon);
Result<EncodedSymbol> EncodePlanet(std::u32string_view data, std::u32string_view addon);

}  // namespace kbc
