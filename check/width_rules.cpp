#include "check/width_rules.h"

#include <algorithm>
#include <array>

#include "core/string_ops.h"
#include "linear/usps4cb.h"
#include "matrix/qr_code.h"
#include "platform/mac_roman.h"

namespace kbc {
namespace {

std::int64_t Length(const std::u32string& s) { return std::int64_t(s.size()); }

std::string Count(std::size_t n) { return std::to_string(n); }

void KeepDigits(std::u32string& s) {
  std::erase_if(s, [](char32_t c) { return !IsAsciiDigit(c); });
}

// Codabar start/stop letters and the four FIM marks.
constexpr bool IsLetterAToD(char32_t c) { return (c >= U'A' && c <= U'D') || (c >= U'a' && c <= U'd'); }

// Codabar character widths with the narrow-to-wide ratio of our renderer.
int CodabarCharacterWidth(char32_t c) {
  if (IsAsciiDigit(c) || c == U'$' || c == U'-') return 12;
  if (c == U'+' || c == U'.' || c == U'/' || c == U':' || IsLetterAToD(c)) return 14;
  return 0;
}

// Square 2-D symbols draw every module 3 × 3 units.
SymbolExtent SquareSymbolExtent(int side) { return {3 * std::int64_t(side), 3.0 * side}; }

SymbolExtent QrExtent(const std::u32string& data, QrVariant variant, std::string_view name) {
  const std::optional<std::string> bytes = EncodeMacRoman(data);
  if (!bytes) return SymbolExtent::Refused(std::string(name) + " data must be Mac OS Roman text");
  if (bytes->find('\0') != std::string::npos) {
    return SymbolExtent::Refused(std::string(name) + " data cannot hold a NUL character");
  }
  const int side = QrSymbolSide(data, variant);
  if (side == 0) {
    return SymbolExtent::Refused("the data is too long for any " + std::string(name) + " symbol (" +
                                 Count(bytes->size()) + " bytes)");
  }
  return SquareSymbolExtent(side);
}

}  // namespace

SymbolExtent Code25Width(std::u32string& d, std::u32string&) { return {14 * Length(d) + 36}; }

// Data without its own start/stop letters gets A in front and B behind.
SymbolExtent CodabarWidth(std::u32string& d, std::u32string&) {
  if (!IsLetterAToD(d.front())) d.insert(0, 1, U'A');
  if (!IsLetterAToD(d.back())) d.push_back(U'B');
  std::int64_t width = 0;
  for (char32_t c : d) width += CodabarCharacterWidth(c);
  return {width};
}

// ZIP (5), ZIP+4 (9) and delivery point (11) symbols.
SymbolExtent PostNetWidth(std::u32string& d, std::u32string&) {
  KeepDigits(d);
  if (d.size() <= 5) {
    PadLeft(d, 5, U'0');
    return {94};
  }
  if (d.size() <= 9) {
    PadLeft(d, 9, U'0');
    return {154};
  }
  PadLeft(d, 11, U'0');
  return {184};
}

// A postcode plus delivery point needs at least 7 characters.
SymbolExtent Rm4sccWidth(std::u32string& d, std::u32string&) {
  std::erase_if(d, [](char32_t c) { return !IsAsciiDigit(c) && !IsAsciiLetter(c); });
  for (char32_t& c : d) {
    if (IsAsciiLower(c)) c = c - U'a' + U'A';
  }
  if (d.size() < 7) return SymbolExtent::Refused("RM4SCC needs at least 7 letters or digits (got " + Count(d.size()) + ")");
  return {16 * Length(d) + 24};
}

SymbolExtent MsiWidth(std::u32string& d, std::u32string&) {
  KeepDigits(d);
  return {12 * Length(d) + 19};
}

SymbolExtent Interleaved25Width(std::u32string& d, std::u32string&) {
  if (d.size() % 2 != 0) d.insert(0, 1, U'0');
  return {9 * Length(d) + 19};
}

// Tracking code (20) plus a routing code of 0, 5, 9 or 11 digits.
SymbolExtent Usps4cbWidth(std::u32string& d, std::u32string&) {
  constexpr std::array<std::size_t, 4> kLengths = {20, 25, 29, 31};
  if (std::ranges::find(kLengths, d.size()) == kLengths.end()) {
    return SymbolExtent::Refused("USPS4CB needs 20, 25, 29 or 31 digits (got " + Count(d.size()) + ")");
  }
  // The barcode identifier's second digit is base 5: the encoder cannot take 5-9.
  switch (Usps4cbEncode(d).status) {
    case Usps4cbStatus::kOk:
      return {276};
    case Usps4cbStatus::kSecondDigitAbove4:
      return SymbolExtent::Refused("the second digit of a USPS4CB tracking code must be 0 to 4 (got " +
                                   std::string(1, char(d[1])) + ")");
    default:
      return SymbolExtent::Refused("USPS4CB data must be digits only");
  }
}

// One facing identification mark, A to D in either case.
SymbolExtent FimWidth(std::u32string& d, std::u32string&) {
  if (d.size() != 1 || !IsLetterAToD(d.front())) return SymbolExtent::Refused("FIM needs one of the letters A, B, C or D");
  return {90};
}

SymbolExtent QrCodeExtent(std::u32string& d, std::u32string&) { return QrExtent(d, QrVariant::kQrCode, "QR Code"); }

SymbolExtent MicroQrExtent(std::u32string& d, std::u32string&) { return QrExtent(d, QrVariant::kMicroQr, "Micro QR"); }

}  // namespace kbc
