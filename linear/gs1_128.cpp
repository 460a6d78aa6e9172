#include "linear/gs1_128.h"

#include "linear/code128.h"
#include "linear/code128_shortest.h"
#include "linear/gs1_element_string.h"

namespace kbc {

Gs1_128Symbol EncodeGs1_128(std::u32string_view elementString) {
  Gs1_128Symbol symbol;
  const Gs1ElementString parsed = ParseGs1ElementString(elementString);
  if (!parsed.refusal.empty()) {
    symbol.refusal = parsed.refusal;
    return symbol;
  }
  if (const std::size_t count = Gs1DataCharacterCount(parsed.fields); count > kGs1_128MostDataCharacters) {
    symbol.refusal = "GS1-128 holds at most 48 data characters (got " + std::to_string(count) + ")";
    return symbol;
  }
  std::vector<int> characters = {kGs1Fnc1};
  for (const int c : Gs1EncodedCharacters(parsed.fields)) characters.push_back(c);
  symbol.values = EncodeCode128Shortest(characters);
  for (const char c : Gs1HumanReadable(parsed.fields)) symbol.text.push_back(char32_t(c));
  return symbol;
}

EncodedSymbol Gs1_128Encoding(std::u32string_view elementString, std::u32string_view) {
  Gs1_128Symbol values = EncodeGs1_128(elementString);
  if (!values.refusal.empty()) return EncodedSymbol::Refused(std::move(values.refusal));
  EncodedSymbol symbol = Code128EncodedSymbol({CodeSet::C, values.values}, std::move(values.text), kCode128SmallText);
  symbol.encoded = elementString;
  return symbol;
}

}  // namespace kbc
