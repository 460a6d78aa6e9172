// HIBC data as its users hold it. Labelling systems and UDI databases keep a
// HIBC code as printed: the "+" flag, the data and the modulo-43 check
// character (ANSI/HIBC 2.6, LIC). With -hibc-check given such a string is
// encoded as it is, its check character verified rather than added twice.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/result.h"
#include "core/symbol_options.h"
#include "core/symbology.h"

namespace kbc {

// The check character of HIBC data, the "+" flag counted: the sum of the
// characters' Code 39 values modulo 43. None when a character is outside the
// HIBC set (digits, capitals and - . space $ / + %); small letters count as
// capitals, as the symbols carry them.
std::optional<char32_t> HibcCheckCharacter(std::u32string_view flagAndData);

// The data the encoders take (without flag and check character): the data as
// it is by default; with -hibc-check given the data less a leading "+" and its
// last character, which must be the check character.
Result<std::u32string> HibcDataToEncode(std::u32string_view data, const SymbolOptions& options);

// A HIBC encoder that takes the data as -hibc-check says.
template <Encoder encode>
Result<EncodedSymbol> WithHibcCheck(std::u32string_view data, std::u32string_view addon,
                                    const SymbolOptions& options) {
  Result<std::u32string> toEncode = HibcDataToEncode(data, options);
  if (!toEncode) return Refusal(std::move(toEncode.refusal));
  Result<EncodedSymbol> encoded = encode(*toEncode, addon, options);
  // The flag and check character given are in the symbol, not dropped.
  if (encoded && options.hibcCheckGiven) encoded->encoded = data;
  return encoded;
}

}  // namespace kbc
