#include "linear/gs1_component_checks.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "linear/gs1_ai_dictionary.h"
#include "linear/gs1_element_string.h"

namespace kbc {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool AllDigits(std::string_view s) { return std::ranges::all_of(s, IsDigit); }
int Number(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// GS1 reads YY within a sliding century, so every YY is a year and only
// February needs the leap-year rule (YY divisible by 4 is a leap year in every
// century the window can pick but 2100, far enough away).
bool IsDate(int year, int month, int day, bool zeroDay, bool fourDigitYear) {
  if (month < 1 || month > 12) return false;
  if (day == 0) return zeroDay;
  constexpr std::array<int, 12> kDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && day == 29) return fourDigitYear ? IsLeapYear(year) : year % 4 == 0;
  return day <= kDays[std::size_t(month - 1)];
}

bool InSorted(std::span<const std::string_view> codes, std::string_view code) {
  return std::ranges::binary_search(codes, code);
}

// GS1 General Specifications 7.9.5: the check character pair of set 82 data,
// prime weights from the right, the sum mod 1021 written in base 32.
constexpr std::string_view kSet82Order =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kSet32 = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr std::array<int, 23> kPrimeWeights = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37,
                                               41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83};

std::string CheckCharacters(std::string_view text) {
  int sum = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t value = kSet82Order.find(text[text.size() - 1 - i]);
    sum += int(value) * kPrimeWeights[i];
  }
  sum %= 1021;
  return {kSet32[std::size_t(sum / 32)], kSet32[std::size_t(sum % 32)]};
}

bool IsHex(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// ISO 13616: the country and check digits moved to the end, letters as 10..35,
// the whole number mod 97 is 1.
bool IsIban(std::string_view iban) {
  if (iban.size() < 5 || !InSorted(gs1_dictionary::kCountryAlpha2, iban.substr(0, 2)) ||
      !AllDigits(iban.substr(2, 2))) {
    return false;
  }
  int remainder = 0;
  const std::string rotated = std::string(iban.substr(4)) + std::string(iban.substr(0, 4));
  for (const char c : rotated) {
    if (IsDigit(c)) {
      remainder = (remainder * 10 + (c - '0')) % 97;
    } else if (c >= 'A' && c <= 'Z') {
      remainder = (remainder * 100 + (c - 'A' + 10)) % 97;
    } else {
      return false;
    }
  }
  return remainder == 1;
}

// The smallest GS1 company prefix has four digits.
constexpr std::size_t kShortestCompanyPrefix = 4;

std::string CompanyPrefixRefusal(std::string_view component, std::size_t at) {
  const std::string_view prefix = component.substr(std::min(at, component.size()), kShortestCompanyPrefix);
  if (prefix.size() == kShortestCompanyPrefix && AllDigits(prefix)) return {};
  return "must hold a GS1 company prefix of at least 4 digits from character " + std::to_string(at + 1);
}

}  // namespace

std::string Gs1CheckRefusal(Gs1Check check, std::string_view c) {
  using enum Gs1Check;
  const std::string text(c);
  switch (check) {
    case None:
      return {};
    case CheckDigit: {
      const char expected = Gs1CheckDigit(c.substr(0, c.size() - 1));
      if (c.back() == expected) return {};
      return "check digit is " + std::string(1, c.back()) + ", it should be " + std::string(1, expected);
    }
    case CheckPair: {
      const std::string expected = c.size() < 2 ? "" : CheckCharacters(c.substr(0, c.size() - 2));
      if (c.size() >= 2 && c.substr(c.size() - 2) == expected) return {};
      return "check characters are " + std::string(c.substr(c.size() < 2 ? 0 : c.size() - 2)) +
             ", they should be " + (expected.empty() ? "two" : expected);
    }
    case CompanyPrefixAt1:
      return CompanyPrefixRefusal(c, 0);
    case CompanyPrefixAt2:
      return CompanyPrefixRefusal(c, 1);
    case PercentEncoded:
      for (std::size_t i = 0; i < c.size(); ++i) {
        if (c[i] == '%' && (i + 2 >= c.size() || !IsHex(c[i + 1]) || !IsHex(c[i + 2]))) {
          return "has a % without two hexadecimal digits (percent-encoding)";
        }
      }
      return {};
    case Country:
    case CountryOr999:
      if (InSorted(gs1_dictionary::kCountryNumeric, c) || (check == CountryOr999 && c == "999")) return {};
      return "country code " + text + " is not an ISO 3166 country";
    case CountryAlpha2:
      if (InSorted(gs1_dictionary::kCountryAlpha2, c)) return {};
      return "country code " + text + " is not an ISO 3166 country";
    case Currency:
      if (InSorted(gs1_dictionary::kCurrencyNumeric, c)) return {};
      return "currency code " + text + " is not an ISO 4217 currency";
    case DateYymmdd:
    case DateYymmd0:
      if (IsDate(Number(c.substr(0, 2)), Number(c.substr(2, 2)), Number(c.substr(4, 2)), check == DateYymmd0, false)) {
        return {};
      }
      return "date " + text + " is not a date YYMMDD";
    case DateYyyymmdd:
      if (IsDate(Number(c.substr(0, 4)), Number(c.substr(4, 2)), Number(c.substr(6, 2)), false, true)) return {};
      return "date " + text + " is not a date YYYYMMDD";
    case HoursMinutes:
      if (Number(c.substr(0, 2)) < 24 && Number(c.substr(2, 2)) < 60) return {};
      return "time " + text + " is not a time HHMM";
    case Hours:
      return Number(c) < 24 ? "" : "hour " + text + " is not an hour 00-23";
    case Minutes:
      return Number(c) < 60 ? "" : "minute " + text + " is not a minute 00-59";
    case Seconds:
      return Number(c) < 60 ? "" : "second " + text + " is not a second 00-59";
    case Hyphen:
      return std::ranges::all_of(c, [](char x) { return x == '-'; }) ? "" : "takes \"-\" there (got " + text + ")";
    case YesNo:
      return c == "0" || c == "1" ? "" : "takes 0 or 1 there (got " + text + ")";
    case NonZero:
      return std::ranges::all_of(c, [](char x) { return x == '0'; }) ? "cannot be zero there (got " + text + ")" : "";
    case Zero:
      return std::ranges::all_of(c, [](char x) { return x == '0'; }) ? "" : "takes 0 there (got " + text + ")";
    case PieceOfTotal: {
      const int half = int(c.size() / 2);
      const int piece = Number(c.substr(0, std::size_t(half)));
      const int total = Number(c.substr(std::size_t(half)));
      if (piece >= 1 && piece <= total) return {};
      return "piece " + std::string(c.substr(0, std::size_t(half))) + " of " + std::string(c.substr(std::size_t(half))) +
             " is not a piece of its total";
    }
    case Winding:
      return c == "0" || c == "1" || c == "9" ? "" : "winding direction " + text + " is not 0, 1 or 9";
    case PositionInSequence: {
      const std::size_t slash = c.find('/');
      const std::string_view position = c.substr(0, std::min(slash, c.size()));
      const std::string_view total = slash == c.npos ? std::string_view() : c.substr(slash + 1);
      const bool ok = !position.empty() && !total.empty() && AllDigits(position) && AllDigits(total) &&
                      Number(position) >= 1 && Number(position) <= Number(total);
      return ok ? "" : "position " + text + " is not a position in its sequence (such as 1/2)";
    }
    case NoZeroPrefix:
      return c.size() > 1 && c.front() == '0' ? "cannot begin with zero (got " + text + ")" : "";
    case MediaType: {
      const int type = Number(c);
      return (type >= 1 && type <= 10) || type >= 80 ? "" : "media type " + text + " is not 01-10 or 80-99";
    }
    case Latitude:
      return std::stoll(text) <= 1'800'000'000 ? "" : "latitude " + text + " is beyond 1800000000 (90 degrees north)";
    case Longitude:
      return std::stoll(text) <= 3'600'000'000 ? "" : "longitude " + text + " is beyond 3600000000 (180 degrees east)";
    case Sex:
      return c == "0" || c == "1" || c == "2" || c == "9" ? "" : "sex code " + text + " is not 0, 1, 2 or 9 (ISO/IEC 5218)";
    case ImporterIndex: {
      const char x = c.front();
      const bool ok = IsDigit(x) || (x >= 'A' && x <= 'Z') || (x >= 'a' && x <= 'z') || x == '-' || x == '_';
      return ok ? "" : "importer index " + text + " is not a letter, digit, - or _";
    }
    case Iban:
      return IsIban(c) ? "" : "IBAN " + text + " has a wrong country or check digits";
    case HasNonDigit:
      return AllDigits(c) ? "needs a non-digit character (got " + text + ")" : "";
    case PackageType:
      return "is refused: its package type code (UN/ECE Recommendation 21) is not checked";
    case CouponCode:
    case CouponOffer:
      return "is refused: the structure of its North American coupon data is not checked";
  }
  return {};
}

}  // namespace kbc
