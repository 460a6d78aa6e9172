#include "linear/postal_bars.h"

#include <vector>

#include "core/string_ops.h"
#include "render/linear_frame.h"

namespace kbc {
namespace {

constexpr std::size_t kRm4sccMinimumCharacters = 7;

constexpr int DigitValue(char32_t c) { return int(c - U'0'); }

// Digits 0-9, then capitals from 10.
constexpr int Rm4sccValue(char32_t c) { return IsAsciiDigit(c) ? DigitValue(c) : int(c - U'A') + 10; }

constexpr char32_t Rm4sccCharacter(int value) {
  return value < 10 ? char32_t(U'0' + value) : char32_t(U'A' + value - 10);
}

// The first three flags of a pattern half, read in binary, are its row or column 1..6.
int HalfNumber(std::string_view half) { return (half[0] - '0') * 4 + (half[1] - '0') * 2 + (half[2] - '0'); }

// The sum modulo 6, with 0 counting as 6.
int ModSixFromOne(int sum) { return sum % 6 == 0 ? 6 : sum % 6; }

void AppendRm4sccBars(std::string& states, std::string_view pattern) {
  for (std::size_t j = 0; j < 4; ++j) {
    const bool ascender = pattern[j] == '1';
    const bool descender = pattern[4 + j] == '1';
    if (ascender && descender) {
      states += BarState::kFull;
    } else if (ascender) {
      states += BarState::kAscender;
    } else if (descender) {
      states += BarState::kDescender;
    } else {
      states += BarState::kTracker;
    }
  }
}

// Human-readable text is the display text alone, one item per character.
// RM4SCC's first character stands apart from the rest.
void DrawPostalText(LinearFrame& frame, int firstX, int secondX, int pitch) {
  const BarcodeSettings& s = *frame.settings;
  if (s.showText != 1 || s.displayText.empty()) return;
  BeginTextGroup(frame, s.fontSize);
  const std::u32string_view text(s.displayText);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int x = i == 0 ? firstX : secondX + pitch * int(i - 1);
    DrawTextItem(frame, x, 1, text.substr(i, 1));
  }
}

// PostNet without text: 9 high, tall bars 0..9, short 0..4; with text below
// them: 25 high, tall 18..25, short 18..20. Bars of 1 unit every 3.
struct PostNetGeometry {
  double height;
  BarExtent tall;
  BarExtent shortBar;
};
constexpr PostNetGeometry kPostNetPlain{9, {0, 9}, {0, 4}};
constexpr PostNetGeometry kPostNetWithText{25, {18, 25}, {18, 20}};
constexpr double kPostNetPitch = 3;

// RM4SCC bars 2 wide every 4; extents counted down from the image top H: full
// H-21..H, ascender H-13..H, descender H-21..H-9, tracker H-13..H-9.
constexpr double kRm4sccPitch = 4;
constexpr double kRm4sccPlainHeight = 21;
constexpr double kRm4sccTextHeight = 38;

BarExtent Rm4sccExtent(char state, double h) {
  switch (state) {
    case BarState::kFull:
      return {h - 21, h};
    case BarState::kAscender:
      return {h - 13, h};
    case BarState::kDescender:
      return {h - 21, h - 9};
    default:
      return {h - 13, h - 9};
  }
}

// The marks stand 38 units from the left of a 90 × 45 image.
constexpr double kFimWidth = 90;
constexpr double kFimHeight = 45;
constexpr double kFimFirstX = 38;
constexpr double kFimPitch = 4;
constexpr double kFimBarWidth = 2;

EncodedSymbol WithBarStates(std::u32string encoded, std::string_view states) {
  EncodedSymbol symbol;
  symbol.encoded = std::move(encoded);
  symbol.elements.assign(states.begin(), states.end());
  return symbol;
}

}  // namespace

std::u32string PostNetDigits(std::u32string_view data) {
  std::u32string digits(data);
  std::erase_if(digits, [](char32_t c) { return !IsAsciiDigit(c); });
  if (digits.size() <= 5) {
    PadLeft(digits, 5, U'0');
  } else if (digits.size() <= 9) {
    PadLeft(digits, 9, U'0');
  } else {
    if (digits.size() > 11) digits.resize(11);
    PadLeft(digits, 11, U'0');
  }
  return digits;
}

int PostNetCheckDigit(std::u32string_view digits) {
  int sum = 0;
  for (const char32_t c : digits) sum += DigitValue(c);
  return (10 - sum % 10) % 10;
}

std::string EncodePostNet(std::u32string_view data) {
  const std::u32string digits = PostNetDigits(data);
  std::string bars = "1";
  for (const char32_t c : digits) bars += PostNetPatterns[std::size_t(DigitValue(c))];
  bars += PostNetPatterns[std::size_t(PostNetCheckDigit(digits))];
  bars += '1';
  return bars;
}

std::u32string Rm4sccCharacters(std::u32string_view data) {
  std::u32string characters;
  for (const char32_t c : data) {
    if (IsAsciiDigit(c) || IsAsciiUpper(c)) characters += c;
    if (IsAsciiLower(c)) characters += char32_t(c - U'a' + U'A');
  }
  return characters;
}

char32_t Rm4sccCheckCharacter(std::u32string_view characters) {
  int rows = 0;
  int columns = 0;
  for (const char32_t c : characters) {
    const std::string_view pattern = Rm4sccPatterns[std::size_t(Rm4sccValue(c))];
    rows += HalfNumber(pattern.substr(0, 4));
    columns += HalfNumber(pattern.substr(4, 4));
  }
  return Rm4sccCharacter(6 * (ModSixFromOne(rows) - 1) + ModSixFromOne(columns) - 1);
}

std::string EncodeRm4scc(std::u32string_view data) {
  std::u32string characters = Rm4sccCharacters(data);
  if (characters.size() < kRm4sccMinimumCharacters) return {};
  characters += Rm4sccCheckCharacter(characters);
  std::string states(1, BarState::kAscender);
  for (const char32_t c : characters) AppendRm4sccBars(states, Rm4sccPatterns[std::size_t(Rm4sccValue(c))]);
  states += BarState::kFull;
  return states;
}

std::string_view FimPattern(std::u32string_view data) {
  if (data.empty()) return {};
  const char32_t letter = IsAsciiLower(data[0]) ? data[0] - U'a' + U'A' : data[0];
  if (letter < U'A' || letter > U'D') return {};
  return FimPatterns[std::size_t(letter - U'A')];
}

// The image ends at the right edge of the last bar.
Result<EncodedSymbol> PostNetEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  EncodedSymbol symbol = WithBarStates(PostNetDigits(data), EncodePostNet(data));
  symbol.width = std::int64_t(kPostNetPitch) * std::int64_t(symbol.elements.size() - 1) + 1;
  return symbol;
}

// The image ends two units after the stop bar.
Result<EncodedSymbol> Rm4sccEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  std::u32string characters = Rm4sccCharacters(data);
  if (characters.size() < kRm4sccMinimumCharacters) {
    return Refusal("RM4SCC needs at least 7 letters or digits (got " +
                                  std::to_string(characters.size()) + ")");
  }
  EncodedSymbol symbol = WithBarStates(std::move(characters), EncodeRm4scc(data));
  symbol.width = std::int64_t(kRm4sccPitch) * std::int64_t(symbol.elements.size());
  return symbol;
}

Result<EncodedSymbol> FimEncoding(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  if (data.size() != 1 || FimPattern(data).empty()) return Refusal("FIM needs one of the letters A, B, C or D");
  EncodedSymbol symbol = WithBarStates(std::u32string(data), FimPattern(data));
  symbol.width = std::int64_t(kFimWidth);
  return symbol;
}

void RenderPostNet(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const PostNetGeometry& g = settings.showText == 1 ? kPostNetWithText : kPostNetPlain;
  std::vector<BarExtent> extents;
  for (const std::uint8_t bar : symbol.elements) extents.push_back(bar == '1' ? g.tall : g.shortBar);
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), g.height);
  FillSpacedBars(frame, 0, 1, kPostNetPitch, extents);
  DrawPostalText(frame, 5, 20, 15);
}

void RenderRm4scc(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const double height = settings.showText == 1 ? kRm4sccTextHeight : kRm4sccPlainHeight;
  std::vector<BarExtent> extents;
  for (const std::uint8_t state : symbol.elements) extents.push_back(Rm4sccExtent(char(state), height));
  LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), height);
  FillSpacedBars(frame, 0, 2, kRm4sccPitch, extents);
  DrawPostalText(frame, 5, 20, 16);
}

// Never any text.
void RenderFim(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  const LinearFrame frame = BeginLinearFrame(list, settings, double(symbol.width), kFimHeight);
  for (std::size_t k = 0; k < symbol.elements.size(); ++k) {
    if (symbol.elements[k] == '1') FillBar(frame, Rect{kFimFirstX + kFimPitch * double(k), 0, kFimBarWidth, kFimHeight});
  }
}

}  // namespace kbc
