#include "matrix/added_postal_symbologies.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "linear/added_bars.h"
#include "matrix/zint_symbols.h"

namespace kbc {
namespace {

// Korea Post is a clocked code: each digit is six bar places 4 modules apart,
// three of the first five filled and the sixth a bar that ends the digit, so
// every digit is 24 modules wide. The library draws the digit 1 (places 3, 4,
// 5) one module short, its bars a module early and every later digit off the
// clock: its light run before them is widened back to the places' pitch.
constexpr int kKoreaPostDigitModules = 24;

std::string ModulesOf(const std::vector<std::uint8_t>& elements) {
  std::string modules;
  for (std::size_t i = 0; i < elements.size(); ++i) modules.append(elements[i], i % 2 == 0 ? '1' : '0');
  return modules;
}

std::vector<std::uint8_t> ElementsOf(std::string_view modules) {
  std::vector<std::uint8_t> elements;
  char colour = '1';
  for (std::size_t at = 0; at < modules.size();) {
    const std::size_t end = std::min(modules.find_first_not_of(colour, at), modules.size());
    elements.push_back(std::uint8_t(end - at));
    at = end;
    colour = colour == '1' ? '0' : '1';
  }
  return elements;
}

// The digits are printed from the least significant, the check digit last.
void PutDigitOnesOnTheClock(EncodedSymbol& symbol) {
  const std::u32string& code = symbol.text;
  if (code.empty()) return;
  std::u32string printed(code.rbegin() + 1, code.rend());
  printed += code.back();
  std::string modules = ModulesOf(symbol.elements);
  const std::size_t drawnByTheLibrary = modules.size();
  std::size_t at = 0;
  for (const char32_t digit : printed) {
    if (digit == U'1') modules.insert(at, 1, '0');
    at += kKoreaPostDigitModules;
  }
  symbol.width += std::int64_t(modules.size() - drawnByTheLibrary);
  symbol.elements = ElementsOf(modules);
}

}  // namespace

Result<EncodedSymbol> EncodeKoreaPost(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  Result<EncodedSymbol> encoded = EncodeThroughZint(zint::kKoreaPost, data);
  if (!encoded) return encoded;
  PutDigitOnesOnTheClock(*encoded);
  // Each digit's pattern ends in a space, which the library leaves after the
  // last bar; the quiet zone, not the symbol, holds the light beyond it.
  if (encoded->elements.size() % 2 == 0) {
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
