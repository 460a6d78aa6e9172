#include "linear/gs1_128.h"

#include "linear/code128.h"
#include "linear/code128_shortest.h"
#include "linear/gs1_element_string.h"

namespace kbc {

Result<Gs1_128Symbol> EncodeGs1_128(std::u32string_view elementString) {
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  if (const std::size_t count = Gs1DataCharacterCount(*parsed); count > kGs1_128MostDataCharacters) {
    return Refusal("GS1-128 holds at most 48 data characters (got " + std::to_string(count) + ")");
  }
  Gs1_128Symbol symbol;
  std::vector<int> characters = {kGs1Fnc1};
  for (const int c : Gs1EncodedCharacters(*parsed)) characters.push_back(c);
  symbol.values = EncodeCode128Shortest(characters);
  for (const char c : Gs1HumanReadable(*parsed)) symbol.text.push_back(char32_t(c));
  return symbol;
}

Result<EncodedSymbol> Gs1_128Encoding(std::u32string_view elementString, std::u32string_view, const SymbolOptions&) {
  Result<Gs1_128Symbol> values = EncodeGs1_128(elementString);
  if (!values) return Refusal(std::move(values.refusal));
  EncodedSymbol symbol = Code128EncodedSymbol({CodeSet::C, values->values}, std::move(values->text), kCode128CentredText);
  symbol.encoded = elementString;
  return symbol;
}

}  // namespace kbc
