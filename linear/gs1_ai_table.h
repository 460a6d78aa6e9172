// The GS1 application identifiers, generated from GS1's Barcode Syntax
// Dictionary (scripts/gs1-ai-table): each AI's data as components, the checks
// each component needs, and its part in GS1 Digital Link URIs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kbc {

// The characters a component may hold: digits, GS1 AI encodable character
// set 82, set 39 (digits, capitals and # - /) or set 64 (base64url).
enum class Gs1Characters : std::uint8_t { Digits, Set82, Set39, Set64 };

// What a component's content must mean beyond its characters, one per check
// the dictionary names (GS1 General Specifications, section 3 and 7.9).
enum class Gs1Check : std::uint8_t {
  None, CheckDigit, CheckPair, CompanyPrefixAt1, CompanyPrefixAt2, PercentEncoded, Country, CountryOr999,
  CountryAlpha2, Currency, DateYymmdd, DateYymmd0, DateYyyymmdd, HoursMinutes, Hours, Minutes, Seconds,
  Hyphen, YesNo, NonZero, Zero, PieceOfTotal, Winding, PositionInSequence, PackageType, NoZeroPrefix,
  MediaType, Latitude, Longitude, Sex, ImporterIndex, Iban, HasNonDigit, CouponCode, CouponOffer,
};

struct Gs1Component {
  Gs1Characters characters;
  std::uint8_t minLength;
  std::uint8_t maxLength;
  bool optional;  // may be left out when the data ends before it
  std::array<Gs1Check, 3> checks;
};

struct Gs1AiFormat {
  std::string_view first;  // the range of AIs the entry covers, of one length
  std::string_view last;
  bool predefinedLength;      // no FNC1 needs to follow its field
  bool digitalLinkAttribute;  // may be a query attribute of a Digital Link URI
  bool primaryKey;            // may be a Digital Link URI's primary key
  std::string_view qualifiers;  // a key's qualifier sequences: "22,10,21|235"
  std::uint8_t componentCount;
  std::array<Gs1Component, 5> components;
  std::string_view title;
};

// The format of an AI, nothing for an AI the dictionary lacks.
std::optional<Gs1AiFormat> FindGs1Ai(std::string_view ai);

// Whether the field of an AI has a predefined length, so that no FNC1 needs to
// follow it.
bool Gs1HasPredefinedLength(std::string_view ai);

// The number of AIs the table holds, each AI of a range counted.
std::size_t Gs1AiCount();

}  // namespace kbc
