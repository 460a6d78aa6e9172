// The USPS Intelligent Mail 4-State Customer Barcode (USPS-B-3200): a 20-digit
// tracking code and a routing code of 0, 5, 9 or 11 digits in 65 bars, each an
// ascender, descender, full bar or tracker.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/settings.h"
#include "core/draw_list.h"

namespace kbc {

// A 13-bit character of the symbol, bit 0 the lowest.
using Usps4cbCharacter = std::uint16_t;

// USPS-B-3200 codeword-to-character tables: every 13-bit value with n bits
// set, in increasing order, paired with its bit reversal from the front of the
// table; values equal to their reversal fill the table from the back.
// Returns an empty table when the two fills do not meet exactly.
template <int N, std::size_t Size>
constexpr std::array<Usps4cbCharacter, Size> Usps4cbBuildNof13Table() {
  std::array<Usps4cbCharacter, Size> table{};
  std::size_t front = 0;
  std::size_t back = Size;
  for (unsigned value = 0; value < (1u << 13); ++value) {
    int bits = 0;
    unsigned reversed = 0;
    for (int i = 0; i < 13; ++i) {
      bits += int((value >> i) & 1u);
      reversed |= ((value >> i) & 1u) << (12 - i);
    }
    if (bits != N || reversed < value) continue;
    if (reversed == value) {
      if (back <= front) return {};
      table[--back] = Usps4cbCharacter(value);
      continue;
    }
    if (front + 2 > back) return {};
    table[front++] = Usps4cbCharacter(value);
    table[front++] = Usps4cbCharacter(reversed);
  }
  if (front != back) return {};
  return table;
}

// Table I (5 of 13, codewords 0-1286) and Table II (2 of 13, codewords 1287-1364).
inline constexpr std::array<Usps4cbCharacter, 1287> kUsps4cbFiveOf13 = Usps4cbBuildNof13Table<5, 1287>();
inline constexpr std::array<Usps4cbCharacter, 78> kUsps4cbTwoOf13 = Usps4cbBuildNof13Table<2, 78>();
static_assert(kUsps4cbFiveOf13[0] == 0x001F, "the 5-of-13 fills did not meet");
static_assert(kUsps4cbTwoOf13[0] == 0x0003, "the 2-of-13 fills did not meet");

// Why an encoding failed.
enum class Usps4cbStatus : std::uint8_t {
  kOk = 0,
  kCodewordOutOfRange = 5,  // the leading codeword reached 659
  kTrackingLength = 9,      // a tracking code is 20 digits
  kTrackingNotDigits = 10,
  kSecondDigitAbove4 = 11,  // the barcode identifier's second digit is 0-4
  kRoutingLength = 12,      // a routing code is 0, 5, 9 or 11 digits
  kRoutingNotDigits = 13,
};

// The bar letters, bar 1 first: "A" ascender, "D" descender, "F" full, "T"
// tracker; 65 of them when the status is kOk, none otherwise.
struct Usps4cbBars {
  Usps4cbStatus status = Usps4cbStatus::kOk;
  std::string letters;
};

// The USPS-B-3200 procedure: the codes as one number, its 11-bit frame check
// sequence, ten codewords, ten characters and the 65 bars. The routing code
// ends at its first space.
Usps4cbBars Usps4cbEncodeCodes(std::u32string_view tracking, std::u32string_view routing);

// The first 20 characters are the tracking code, the rest the routing code.
Usps4cbBars Usps4cbEncode(std::u32string_view data);

// The 65 bar letters as the symbol's bar states; the data carried as given.
// Lengths without a routing code form and codes the procedure refuses are refused.
Result<EncodedSymbol> Usps4cbEncoding(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

// No text whatever showText says.
void RenderUsps4cb(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

}  // namespace kbc
