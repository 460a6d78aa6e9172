#include "check/validate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "cli/registry.h"
#include "cli/string_ops.h"
#include "matrix/qr_code.h"
#include "platform/number_text.h"

namespace kbc {
namespace {

// Per-symbology constants: the height rule, and the width in units of the
// types whose width never depends on the data (0 where a rule counts it).
struct SymbologyConstants {
  HeightRule height;
  int fixedWidth = 0;
};

// Indexed by symbology code; row 0 stands for "none". Types drawn with and
// without text (PostNet, RM4SCC, Pharmacode, MSI, Telepen) carry the height
// RenderBarcode draws them at. 2-D and DataBar symbols size themselves: 0, 0.
constexpr std::array<SymbologyConstants, kSymbologyCount + 1> kConstants = {{
    {{0, 0}, 0},      // 0 none
    {{80, 50}, 0},    // 1 EAN-13
    {{65, 35}, 81},   // 2 EAN-8
    {{60, 40}, 0},    // 3 EAN-128
    {{100, 70}, 154}, // 4 EAN-14
    {{100, 70}, 176}, // 5 EAN-18
    {{80, 50}, 113},  // 6 EAN-99
    {{80, 50}, 113},  // 7 EAN-Coupon
    {{65, 35}, 81},   // 8 EAN-Velocity
    {{80, 50}, 0},    // 9 UPC-A
    {{80, 50}, 67},   // 10 UPC-E
    {{60, 40}, 0},    // 11 Code-128
    {{48, 25}, 0},    // 12 Code-93
    {{48, 25}, 0},    // 13 Code-39
    {{48, 25}, 0},    // 14 Code-32
    {{80, 50}, 0},    // 15 Code-25
    {{80, 50}, 0},    // 16 UPC-Coupon
    {{48, 30}, 0},    // 17 Codabar
    {{70, 30}, 0},    // 18 ISSN
    {{95, 50}, 0},    // 19 ISBN
    {{95, 50}, 0},    // 20 ISMN
    {{9, 0}, 0},      // 21 PostNet
    {{21, 0}, 0},     // 22 RM4SCC
    {{25, 0}, 0},     // 23 Pharmacode
    {{0, 0}, 0},      // 24 CIP
    {{48, 25}, 175},  // 25 PZN
    {{48, 30}, 0},    // 26 MSI
    {{100, 0}, 305},  // 27 ITF-SCC
    {{90, 60}, 145},  // 28 ITF-14
    {{90, 60}, 0},    // 29 Interleaved-25
    {{0, 0}, 0},      // 30 QRCode
    {{0, 0}, 0},      // 31 MicroQR
    {{0, 0}, 0},      // 32 PDF417
    {{90, 60}, 127},  // 33 Identcode
    {{0, 0}, 0},      // 34 DataMatrix
    {{16, 0}, 276},   // 35 USPS4CB
    {{45, 0}, 90},    // 36 FIM
    {{0, 0}, 0},      // 37 Databar-Omnidirectional
    {{0, 0}, 0},      // 38 Databar-Truncated
    {{0, 0}, 0},      // 39 Databar-Stacked
    {{0, 0}, 0},      // 40 Databar-StackedOmnidirectional
    {{0, 0}, 0},      // 41 Databar-Limited
    {{0, 0}, 0},      // 42 Databar-Expanded
    {{50, 30}, 0},    // 43 Telepen
}};
static_assert(kConstants.size() == kSymbologyCount + 1);

// Width in units (a count, so it may exceed what a symbol can have) and height
// before truncation.
struct Extent {
  std::int64_t width = 0;
  double height = 0;
};

// The widest symbol a 16-bit signed width can hold.
constexpr std::int64_t kMaxWidth = std::numeric_limits<std::int16_t>::max();

using Width = std::optional<std::int64_t>;

std::int64_t Length(const std::u32string& s) { return std::int64_t(s.size()); }

bool IsDigitsOnly(const std::u32string& s) { return std::ranges::all_of(s, IsAsciiDigit); }

void RemoveFromCode(std::u32string& s, char32_t first) {
  std::erase_if(s, [first](char32_t c) { return c >= first; });
}

// EAN-13, UPC-A and the book codes grow with the add-on: 2-digit and 5-digit
// add-ons have their own widths; anything longer is not drawn as an add-on.
std::int64_t AddOnWidth(const std::u32string& addon) {
  if (addon.empty() || addon.size() >= 6) return 113;
  return addon.size() <= 2 ? 138 : 165;
}

// Symbols of Code 128 data: an even run of digits packs two per symbol (set C);
// data beyond digits and capitals loses what set A/B cannot encode.
std::int64_t Code128SymbolCount(std::u32string& d) {
  RemoveFromCode(d, 128);
  const bool digitsOnly = IsDigitsOnly(d);
  if (digitsOnly && d.size() % 2 == 0) return Length(d) / 2;
  const bool digitsAndCapitals = std::ranges::all_of(d, [](char32_t c) { return IsAsciiDigit(c) || IsAsciiUpper(c); });
  if (!digitsAndCapitals) std::erase_if(d, [](char32_t c) { return c < 32 || c > 127; });
  return Length(d);
}

Width Code128Width(std::u32string& d, std::int64_t frame) { return 11 * Code128SymbolCount(d) + frame; }

Width Interleaved25Width(std::u32string& d) {
  if (d.size() % 2 != 0) d.insert(0, 1, U'0');
  return 9 * Length(d) + 19;
}

Width MsiWidth(std::u32string& d) {
  std::erase_if(d, [](char32_t c) { return !IsAsciiDigit(c); });
  return 12 * Length(d) + 19;
}

// Codabar start/stop letters and the four FIM marks.
constexpr bool IsLetterAToD(char32_t c) { return (c >= U'A' && c <= U'D') || (c >= U'a' && c <= U'd'); }

// Codabar character widths with the narrow-to-wide ratio of our renderer.
int CodabarCharacterWidth(char32_t c) {
  if (IsAsciiDigit(c) || c == U'$' || c == U'-') return 12;
  if (c == U'+' || c == U'.' || c == U'/' || c == U':' || IsLetterAToD(c)) return 14;
  return 0;
}

// Data without its own start/stop letters gets A in front and B behind.
Width CodabarWidth(std::u32string& d) {
  if (!IsLetterAToD(d.front())) d.insert(0, 1, U'A');
  if (!IsLetterAToD(d.back())) d.push_back(U'B');
  std::int64_t width = 0;
  for (char32_t c : d) width += CodabarCharacterWidth(c);
  return width;
}

// ZIP (5), ZIP+4 (9) and delivery point (11) symbols.
Width PostNetWidth(std::u32string& d) {
  std::erase_if(d, [](char32_t c) { return !IsAsciiDigit(c); });
  if (d.size() <= 5) {
    PadLeft(d, 5, U'0');
    return 94;
  }
  if (d.size() <= 9) {
    PadLeft(d, 9, U'0');
    return 154;
  }
  PadLeft(d, 11, U'0');
  return 184;
}

// A postcode plus delivery point needs at least 7 characters.
Width Rm4sccWidth(std::u32string& d) {
  std::erase_if(d, [](char32_t c) { return !IsAsciiDigit(c) && !IsAsciiLetter(c); });
  for (char32_t& c : d) {
    if (IsAsciiLower(c)) c = c - U'a' + U'A';
  }
  if (d.size() < 7) return std::nullopt;
  return 16 * Length(d) + 24;
}

// Bars from the right: an odd value takes a narrow bar (1), an even one a wide
// bar (3); bars stand 2 apart. The digits printed under them need 7 each.
Width PharmacodeWidth(std::u32string& d) {
  if (d.size() >= 10) d.erase(0, d.size() - 9);
  std::int64_t value = IntegerValueOf(d);
  std::int64_t bars = 0;
  std::int64_t barsWidth = 0;
  do {
    ++bars;
    if (value % 2 != 0) {
      barsWidth += 1;
      value = (value - 1) / 2;
    } else {
      barsWidth += 3;
      value = (value - 2) / 2;
    }
  } while (value > 0);
  barsWidth += 2 * (bars - 1);
  return std::max(barsWidth, 7 * Length(d));
}

// Tracking code (20) plus a routing code of 0, 5, 9 or 11 digits.
Width Usps4cbWidth(const std::u32string& d) {
  constexpr std::array<std::size_t, 4> kLengths = {20, 25, 29, 31};
  if (std::ranges::find(kLengths, d.size()) == kLengths.end()) return std::nullopt;
  return 276;
}

// One facing identification mark, A to D in either case.
Width FimWidth(const std::u32string& d) {
  const bool mark = d.size() == 1 && IsLetterAToD(d.front());
  if (!mark) return std::nullopt;
  return 90;
}

// Coupon extension: digit pairs when even, one symbol per character when odd.
Width UpcCouponWidth(const std::u32string& addon) {
  const std::int64_t n = addon.size() % 2 == 0 ? Length(addon) / 2 : Length(addon);
  return 11 * n + 189;
}

// The width of a linear symbol; nothing when the data cannot be drawn or its
// rule is not available.
Width LinearWidth(SymbologyType symbology, std::u32string& d, const std::u32string& a) {
  switch (symbology) {
    case kEan13:
    case kUpcA:
    case kIssn:
    case kIsbn:
    case kIsmn:
      return AddOnWidth(a);
    case kEan128:
      return Code128Width(d, 66);
    case kCode128:
      return Code128Width(d, 55);
    case kCode25:
      return 14 * Length(d) + 36;
    case kUpcCoupon:
      return UpcCouponWidth(a);
    case kCodabar:
      return CodabarWidth(d);
    case kPostNet:
      return PostNetWidth(d);
    case kRm4scc:
      return Rm4sccWidth(d);
    case kPharmacode:
      return PharmacodeWidth(d);
    case kMsi:
      return MsiWidth(d);
    case kInterleaved25:
      return Interleaved25Width(d);
    case kUsps4cb:
      return Usps4cbWidth(d);
    case kFim:
      return FimWidth(d);
    case kEan8:
    case kEan14:
    case kEan18:
    case kEan99:
    case kEanCoupon:
    case kEanVelocity:
    case kUpcE:
    case kItfScc:
    case kItf14:
    case kIdentcode:
      return kConstants[symbology].fixedWidth;
    default:
      // Code 39/93 counts, PZN, Telepen and the 2-D and DataBar sizes need the
      // tables and encoders of their symbologies.
      return std::nullopt;
  }
}

// Square 2-D symbols draw every module 3 × 3 units; a side of 0 (data no
// symbol can hold) leaves nothing to draw.
Extent SquareSymbolExtent(int side) { return Extent{3 * std::int64_t(side), 3.0 * side}; }

std::optional<Extent> MeasureSymbol(SymbologyType symbology, double trim, std::u32string& d, std::u32string& a) {
  switch (symbology) {
    case kQrCode:
      return SquareSymbolExtent(QrSymbolSide(d, QrVariant::kQrCode));
    case kMicroQr:
      return SquareSymbolExtent(QrSymbolSide(d, QrVariant::kMicroQr));
    default:
      break;
  }
  const Width width = LinearWidth(symbology, d, a);
  if (!width) return std::nullopt;
  const HeightRule rule = HeightRuleFor(symbology);
  return Extent{*width, double(CappedHeight(rule.baseHeight, rule.trimCap, trim))};
}

}  // namespace

HeightRule HeightRuleFor(SymbologyType symbology) {
  return IsSymbology(symbology) ? kConstants[symbology].height : HeightRule{};
}

int CappedHeight(double baseHeight, double trimCap, double trim) {
  const double height = std::trunc(baseHeight - std::min(trim, trimCap));
  // A trim that is not a number leaves no height to draw.
  if (std::isnan(height)) return 0;
  return int(std::clamp(height, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

std::optional<Rect> ValidateBarcodeData(const BarcodeSettings& settings) {
  if (settings.data.empty() || !IsSymbology(settings.symbology)) return std::nullopt;
  std::u32string d = settings.data;
  std::u32string a = settings.addon;
  const std::optional<Extent> extent = MeasureSymbol(settings.symbology, settings.trim, d, a);
  if (!extent) return std::nullopt;

  const double height = std::trunc(extent->height);
  // Widths are 16-bit signed counts downstream: a wider symbol cannot be drawn.
  if (!(height >= 1) || extent->width < 1 || extent->width > kMaxWidth) return std::nullopt;
  const double factor = settings.scale / 100;
  return Rect{0, 0, double(extent->width) * factor, height * factor};
}

}  // namespace kbc
