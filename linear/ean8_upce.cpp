#include "linear/ean8_upce.h"

#include "cli/string_ops.h"
#include "linear/ean_tables.h"

namespace kbc {
namespace {

char32_t DigitChar(int value) { return char32_t(U'0' + value); }

}  // namespace

std::u32string Ean8Digits(std::u32string_view data) {
  std::u32string digits(data);
  PadLeft(digits, 7, U'0');
  digits += DigitChar(EanCheckDigit(digits));
  return digits;
}

std::u32string ExpandUpcE(std::u32string_view sevenDigits) {
  std::u32string d(sevenDigits);
  PadLeft(d, 7, U'0');
  const std::u32string_view v(d);
  std::u32string expansion(v.substr(0, 1));
  switch (d[6]) {
    case U'0':
    case U'1':
    case U'2':
      expansion += v.substr(1, 2);
      expansion += v[6];
      expansion += U"0000";
      expansion += v.substr(3, 3);
      break;
    case U'3':
      expansion += v.substr(1, 3);
      expansion += U"00000";
      expansion += v.substr(4, 2);
      break;
    case U'4':
      expansion += v.substr(1, 4);
      expansion += U"00000";
      expansion += v[5];
      break;
    default:
      expansion += v.substr(1, 5);
      expansion += U"0000";
      expansion += v[6];
      break;
  }
  return expansion;
}

UpcEDigits PrepareUpcE(std::u32string_view data) {
  UpcEDigits upcE;
  upcE.digits = data;
  PadLeft(upcE.digits, 7, U'0');
  upcE.expansion = ExpandUpcE(upcE.digits);
  const int check = EanCheckDigit(upcE.expansion);
  upcE.check = DigitChar(check);
  // Any leading digit other than 0 takes the number-system-1 sets.
  upcE.sets = upcE.digits[0] == U'0' ? kUpcEParityNs0[std::size_t(check)] : kUpcEParityNs1[std::size_t(check)];
  return upcE;
}

}  // namespace kbc
