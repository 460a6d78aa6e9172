#include "matrix/added_postal_symbologies.h"

#include <algorithm>

#include "linear/added_bars.h"
#include "matrix/zint_symbols.h"

namespace kbc {

Result<EncodedSymbol> EncodeKoreaPost(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  Result<EncodedSymbol> encoded = EncodeThroughZint(zint::kKoreaPost, data);
  // Each digit's pattern ends in a space, which the library leaves after the
  // last bar; the quiet zone, not the symbol, holds the light beyond it.
  if (encoded && encoded->elements.size() % 2 == 0) {
    encoded->width -= encoded->elements.back();
    encoded->elements.pop_back();
  }
  return encoded;
}

Result<EncodedSymbol> EncodeCepNet(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  // The library only warns about a CEP of another length and draws it anyway;
  // a sorter would read such bars as some other CEP.
  const bool eightDigits =
      data.size() == 8 && std::ranges::all_of(data, [](char32_t c) { return c >= U'0' && c <= U'9'; });
  if (!eightDigits) return Refusal("CEPNet takes a CEP of 8 digits");
  return EncodeThroughZint(zint::kCepNet, data);
}

Result<EncodedSymbol> EncodePharmacodeTwoTrack(std::u32string_view data, std::u32string_view,
                                               const SymbolOptions&) {
  Result<EncodedSymbol> encoded = EncodeThroughZint(zint::kPharmacodeTwoTrack, data);
  // Two rows, as the two-state codes have, but a bar may stand in either
  // track alone: drawn as tracks, not as tall and short bars.
  if (encoded) encoded->variant = kTwoTrackBars;
  return encoded;
}

}  // namespace kbc
