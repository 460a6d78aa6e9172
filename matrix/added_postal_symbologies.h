// The postal, pharmaceutical and print-finishing types added after the
// specified set: bar states or bars that libzint encodes and our frames draw.
#pragma once

#include <string_view>

#include "core/encoded_symbol.h"
#include "core/result.h"
#include "core/symbol_options.h"

namespace kbc {

// Korea Post: a 6-digit postal code and its check digit, as bars with text.
Result<EncodedSymbol> EncodeKoreaPost(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
// Royal Mail Mailmark 4-state, barcode C (22 characters) or L (26).
Result<EncodedSymbol> EncodeMailmark(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
// Brazilian CEPNet: an 8-digit CEP and its check digit in PostNet's bars.
Result<EncodedSymbol> EncodeCepNet(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
// DAFT: the bar states spelt out, one letter a bar.
Result<EncodedSymbol> EncodeDaft(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
// Pharmacode two-track: a number 4..64570080 as bars in an upper and a lower track.
Result<EncodedSymbol> EncodePharmacodeTwoTrack(std::u32string_view data, std::u32string_view addon,
                                               const SymbolOptions& options);
// Flattermarken: each digit a mark at its place in a field of ten modules.
Result<EncodedSymbol> EncodeFlattermarken(std::u32string_view data, std::u32string_view addon,
                                          const SymbolOptions& options);

}  // namespace kbc
