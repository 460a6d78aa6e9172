// The postal, pharmaceutical and print-finishing types added after the
// specified set: bar states or bars that libzint encodes and our frames draw.
// Those the library hands over as drawn take EncodeAdded<zint::kItsName>; the
// others have an encoder of their own below.
#pragma once

#include <string_view>

#include "core/encoded_symbol.h"
#include "core/result.h"
#include "core/symbol_options.h"
#include "matrix/added_symbologies.h"

namespace kbc {
namespace zint {

// Korea Post: a 6-digit postal code and its check digit, as bars with text.
inline constexpr ZintRequest kKoreaPost = Bars("Korea-Post", BARCODE_KOREAPOST);
// Royal Mail Mailmark 4-state, barcode C (22 characters) or L (26).
inline constexpr ZintRequest kMailmark = Postal("Mailmark", BARCODE_MAILMARK);
// Brazilian CEPNet: an 8-digit CEP and its check digit in PostNet's bars.
inline constexpr ZintRequest kCepNet = Postal("CEPNet", BARCODE_CEPNET);
// DAFT: the bar states spelt out, one letter a bar.
inline constexpr ZintRequest kDaft = Postal("DAFT", BARCODE_DAFT);
// Pharmacode two-track: a number 4..64570080 as bars in an upper and a lower track.
inline constexpr ZintRequest kPharmacodeTwoTrack = Postal("Pharmacode-2-Track", BARCODE_PHARMA_TWO);
// Flattermarken: each digit a mark at its place in a field of ten modules.
inline constexpr ZintRequest kFlattermarken = Bars("Flattermarken", BARCODE_FLAT);

}  // namespace zint

Result<EncodedSymbol> EncodeKoreaPost(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodeCepNet(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);
Result<EncodedSymbol> EncodePharmacodeTwoTrack(std::u32string_view data, std::u32string_view addon,
                                               const SymbolOptions& options);

}  // namespace kbc
