#include "linear/usps4cb.h"

#include <algorithm>
#include <vector>

#include "core/string_ops.h"
#include "render/linear_frame.h"

namespace kbc {
namespace {

// The binary data, a 13-byte big-endian number. Twenty tracking digits behind
// the largest routing value take at most 102 bits, so nothing carries out.
using Number = std::array<std::uint8_t, 13>;

void MultiplyAdd(Number& number, std::uint64_t factor, std::uint64_t addend) {
  std::uint64_t carry = addend;
  for (auto byte = number.rbegin(); byte != number.rend(); ++byte) {
    const std::uint64_t value = std::uint64_t(*byte) * factor + carry;
    *byte = std::uint8_t(value & 0xFF);
    carry = value >> 8;
  }
}

// Divides in place and returns the remainder.
unsigned DivideBy(Number& number, unsigned divisor) {
  unsigned remainder = 0;
  for (std::uint8_t& byte : number) {
    const unsigned value = (remainder << 8) | byte;
    byte = std::uint8_t(value / divisor);
    remainder = value % divisor;
  }
  return remainder;
}

constexpr bool AllDigits(std::u32string_view s) { return std::ranges::all_of(s, IsAsciiDigit); }

constexpr unsigned DigitValue(char32_t c) { return unsigned(c - U'0'); }

// Routing values by length, so that every length has its own range:
// none 0, ZIP value + 1, ZIP+4 value + 100001, delivery point value + 1000100001.
Number RoutingNumber(std::u32string_view routing) {
  Number number{};
  for (const char32_t c : routing) MultiplyAdd(number, 10, DigitValue(c));
  if (routing.size() == 5) MultiplyAdd(number, 1, 1);
  if (routing.size() == 9) MultiplyAdd(number, 1, 100000 + 1);
  if (routing.size() == 11) MultiplyAdd(number, 1, 1000000000 + 100000 + 1);
  return number;
}

// The barcode identifier's second digit is base 5; every other digit base 10.
void AppendTracking(Number& number, std::u32string_view tracking) {
  for (std::size_t i = 0; i < tracking.size(); ++i) MultiplyAdd(number, i == 1 ? 5 : 10, DigitValue(tracking[i]));
}

// CRC-11 with generator polynomial 0x0F35 and preset 0x7FF over the low 102
// bits: the low six bits of the first byte, then every bit of the others,
// most significant first.
unsigned FrameCheckSequence(const Number& number) {
  constexpr unsigned kPolynomial = 0x0F35;
  unsigned fcs = 0x7FF;
  for (std::size_t i = 0; i < number.size(); ++i) {
    for (int bit = i == 0 ? 5 : 7; bit >= 0; --bit) {
      const unsigned in = (number[i] >> bit) & 1u;
      const unsigned top = (fcs >> 10) & 1u;
      fcs = ((fcs << 1) ^ (in != top ? kPolynomial : 0u)) & 0x7FF;
    }
  }
  return fcs;
}

// USPS-B-3200 Table 22, bar to character: for bars 1 to 65 the character
// (A-J) and bit that give the descender, then those that give the ascender.
struct BarSource {
  char descenderCharacter;
  std::uint8_t descenderBit;
  char ascenderCharacter;
  std::uint8_t ascenderBit;
};
// clang-format off
constexpr std::array<BarSource, 65> kBarSources = {{
    {'H', 2, 'E', 3}, {'B', 10, 'A', 0}, {'J', 12, 'C', 8}, {'F', 5, 'G', 11}, {'I', 9, 'D', 1},  // bars 1-5
    {'A', 1, 'F', 12}, {'C', 5, 'B', 8}, {'E', 4, 'J', 11}, {'G', 3, 'I', 10}, {'D', 9, 'H', 6},  // bars 6-10
    {'F', 11, 'B', 4}, {'I', 5, 'C', 12}, {'J', 10, 'A', 2}, {'H', 1, 'G', 7}, {'D', 6, 'E', 9},  // bars 11-15
    {'A', 3, 'I', 6}, {'G', 4, 'C', 7}, {'B', 1, 'J', 9}, {'H', 10, 'F', 2}, {'E', 0, 'D', 8},  // bars 16-20
    {'G', 2, 'A', 4}, {'I', 11, 'B', 0}, {'J', 8, 'D', 12}, {'C', 6, 'H', 7}, {'F', 1, 'E', 10},  // bars 21-25
    {'B', 12, 'G', 9}, {'H', 3, 'I', 0}, {'F', 8, 'J', 7}, {'E', 6, 'C', 10}, {'D', 4, 'A', 5},  // bars 26-30
    {'I', 4, 'F', 7}, {'H', 11, 'B', 9}, {'G', 0, 'J', 6}, {'A', 6, 'E', 8}, {'C', 1, 'D', 2},  // bars 31-35
    {'F', 9, 'I', 12}, {'E', 11, 'G', 1}, {'J', 5, 'H', 4}, {'D', 3, 'B', 2}, {'A', 7, 'C', 0},  // bars 36-40
    {'B', 3, 'E', 1}, {'G', 10, 'D', 5}, {'I', 7, 'J', 4}, {'C', 11, 'F', 6}, {'A', 8, 'H', 12},  // bars 41-45
    {'E', 2, 'I', 1}, {'F', 10, 'D', 0}, {'J', 3, 'A', 9}, {'G', 5, 'C', 4}, {'H', 8, 'B', 7},  // bars 46-50
    {'F', 0, 'E', 5}, {'C', 3, 'A', 10}, {'G', 12, 'J', 2}, {'D', 11, 'B', 6}, {'I', 8, 'H', 9},  // bars 51-55
    {'F', 4, 'A', 11}, {'B', 5, 'C', 2}, {'J', 1, 'E', 12}, {'I', 3, 'G', 6}, {'H', 0, 'D', 7},  // bars 56-60
    {'E', 7, 'H', 5}, {'A', 12, 'B', 11}, {'C', 9, 'J', 0}, {'G', 8, 'F', 3}, {'D', 10, 'I', 2},  // bars 61-65
}};
// clang-format on

// Each of the 130 character bits drives exactly one bar half.
constexpr bool EveryCharacterBitUsedOnce() {
  std::array<int, 130> uses{};
  for (const BarSource& bar : kBarSources) {
    ++uses[std::size_t((bar.descenderCharacter - 'A') * 13 + bar.descenderBit)];
    ++uses[std::size_t((bar.ascenderCharacter - 'A') * 13 + bar.ascenderBit)];
  }
  return std::ranges::all_of(uses, [](int n) { return n == 1; });
}
static_assert(EveryCharacterBitUsedOnce());

bool CharacterBit(const std::array<Usps4cbCharacter, 10>& characters, char character, std::uint8_t bit) {
  return ((characters[std::size_t(character - 'A')] >> bit) & 1u) != 0;
}

// Bars 2 wide every 4 from x = 9 in a 276 × 16 image: full 2..14, ascender
// 6..14, descender 2..10, tracker 6..10.
constexpr double kFirstBarX = 9;
constexpr double kImageWidth = 276;
constexpr double kImageHeight = 16;

BarExtent LetterExtent(char letter) {
  switch (letter) {
    case 'F':
      return {2, 14};
    case 'A':
      return {6, 14};
    case 'D':
      return {2, 10};
    default:
      return {6, 10};
  }
}

// A tracking code alone, or with a ZIP, ZIP+4 or delivery point routing code.
constexpr bool IsDrawnLength(std::size_t length) {
  return length == 20 || length == 25 || length == 29 || length == 31;
}

}  // namespace

Usps4cbBars Usps4cbEncodeCodes(std::u32string_view tracking, std::u32string_view routing) {
  routing = routing.substr(0, routing.find(U' '));
  if (tracking.size() != 20) return {Usps4cbStatus::kTrackingLength, {}};
  if (!AllDigits(tracking)) return {Usps4cbStatus::kTrackingNotDigits, {}};
  if (tracking[1] > U'4') return {Usps4cbStatus::kSecondDigitAbove4, {}};
  if (routing.size() != 0 && routing.size() != 5 && routing.size() != 9 && routing.size() != 11) {
    return {Usps4cbStatus::kRoutingLength, {}};
  }
  if (!AllDigits(routing)) return {Usps4cbStatus::kRoutingNotDigits, {}};

  Number number = RoutingNumber(routing);
  AppendTracking(number, tracking);
  const unsigned fcs = FrameCheckSequence(number);

  // Codewords A..J: J base 636, I..B base 1365, A what is left (below 659).
  std::array<unsigned, 10> codewords{};
  codewords[9] = DivideBy(number, 636);
  for (std::size_t i = 8; i >= 1; --i) codewords[i] = DivideBy(number, 1365);
  const bool leadingFits = std::all_of(number.begin(), number.end() - 2, [](std::uint8_t b) { return b == 0; });
  codewords[0] = unsigned(number[11]) << 8 | number[12];
  if (!leadingFits || codewords[0] >= 659) return {Usps4cbStatus::kCodewordOutOfRange, {}};
  // J carries the orientation, A the eleventh check bit.
  codewords[9] *= 2;
  if ((fcs >> 10) & 1u) codewords[0] += 659;

  // The other ten check bits invert characters A..J.
  std::array<Usps4cbCharacter, 10> characters{};
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const unsigned codeword = codewords[i];
    Usps4cbCharacter c = codeword < 1287 ? kUsps4cbFiveOf13[codeword] : kUsps4cbTwoOf13[codeword - 1287];
    if ((fcs >> i) & 1u) c = Usps4cbCharacter(~c & 0x1FFF);
    characters[i] = c;
  }

  Usps4cbBars bars;
  for (const BarSource& source : kBarSources) {
    const bool descender = CharacterBit(characters, source.descenderCharacter, source.descenderBit);
    const bool ascender = CharacterBit(characters, source.ascenderCharacter, source.ascenderBit);
    bars.letters += ascender ? (descender ? 'F' : 'A') : (descender ? 'D' : 'T');
  }
  return bars;
}

Usps4cbBars Usps4cbEncode(std::u32string_view data) {
  const std::size_t split = std::min<std::size_t>(data.size(), 20);
  return Usps4cbEncodeCodes(data.substr(0, split), data.substr(split));
}

Result<EncodedSymbol> Usps4cbEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  if (!IsDrawnLength(data.size())) {
    return Refusal("USPS4CB needs 20, 25, 29 or 31 digits (got " + std::to_string(data.size()) + ")");
  }
  Usps4cbBars bars = Usps4cbEncode(data);
  switch (bars.status) {
    case Usps4cbStatus::kOk:
      break;
    case Usps4cbStatus::kSecondDigitAbove4:
      return Refusal("the second digit of a USPS4CB tracking code must be 0 to 4 (got " +
                                    std::string(1, char(data[1])) + ")");
    default:
      return Refusal("USPS4CB data must be digits only");
  }
  EncodedSymbol symbol;
  symbol.width = std::int64_t(kImageWidth);
  symbol.encoded = data;
  symbol.elements.assign(bars.letters.begin(), bars.letters.end());
  return symbol;
}

void RenderUsps4cb(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), kImageHeight);
  std::vector<BarExtent> extents;
  for (const std::uint8_t letter : symbol.elements) extents.push_back(LetterExtent(char(letter)));
  FillSpacedBars(frame, kFirstBarX, 2, 4, extents);
}

}  // namespace kbc
