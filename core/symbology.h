// What the program knows about each symbology, in one table: its name, image
// height, how its data is shaped, its encoder and its renderer.
//
// The table is declared here, below everything, so that every layer can read
// it; it is defined in dispatch/symbology_table.cpp, the one place that sees
// every encoder and renderer. Adding a symbology means a row there, its encoder
// file and its tests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/encoded_symbol.h"
#include "core/string_ops.h"
#include "core/types.h"

namespace kbc {

struct BarcodeSettings;
struct DrawList;

enum Symbology : SymbologyType {
  kNoSymbology = 0,
  kEan13 = 1,
  kEan8 = 2,
  kEan128 = 3,
  kEan14 = 4,
  kEan18 = 5,
  kEan99 = 6,
  kEanCoupon = 7,
  kEanVelocity = 8,
  kUpcA = 9,
  kUpcE = 10,
  kCode128 = 11,
  kCode93 = 12,
  kCode39 = 13,
  kCode32 = 14,
  kCode25 = 15,
  kUpcCoupon = 16,
  kCodabar = 17,
  kIssn = 18,
  kIsbn = 19,
  kIsmn = 20,
  kPostNet = 21,
  kRm4scc = 22,
  kPharmacode = 23,
  kCip = 24,
  kPzn = 25,
  kMsi = 26,
  kItfScc = 27,
  kItf14 = 28,
  kInterleaved25 = 29,
  kQrCode = 30,
  kMicroQr = 31,
  kPdf417 = 32,
  kIdentcode = 33,
  kDataMatrix = 34,
  kUsps4cb = 35,
  kFim = 36,
  kDataBarOmnidirectional = 37,
  kDataBarTruncated = 38,
  kDataBarStacked = 39,
  kDataBarStackedOmnidirectional = 40,
  kDataBarLimited = 41,
  kDataBarExpanded = 42,
  kTelepen = 43,
  // Added types, encoded by libzint and drawn by our own frames.
  kAztec = 44,
  kAztecRunes = 45,
  kRmqr = 46,
  kMicroPdf417 = 47,
  kHibcDataMatrix = 48,
  kHibcQr = 49,
  kHibcPdf417 = 50,
  kHibcMicroPdf417 = 51,
  kHibcAztec = 52,
  kCode11 = 53,
  kLogmars = 54,
  kPlessey = 55,
  kHibc128 = 56,
  kHibc39 = 57,
  kVin = 58,
  kDpd = 59,
  kChannelCode = 60,
  kLeitcode = 61,
  kAusPost = 62,
  kKix = 63,
  kJapanPost = 64,
  kPlanet = 65,
  kMaxiCode = 66,
  kDotCode = 67,
  kPdf417Compact = 68,
  kCode16k = 69,
  kCodablockF = 70,
  kCode49 = 71,
  kHanXin = 72,
  kGridMatrix = 73,
  kCodeOne = 74,
  kUpnqr = 75,
  kKoreaPost = 76,
  kMailmark = 77,
  kCepNet = 78,
  kDaft = 79,
  kPharmacodeTwoTrack = 80,
  kFlattermarken = 81,
  kGs1128Composite = 82,
  kEan13Composite = 83,
  kEan8Composite = 84,
  kUpcAComposite = 85,
  kUpcEComposite = 86,
  kDataBarOmnidirectionalComposite = 87,
  kHibcCodablockF = 88,
  kDataBarTruncatedComposite = 89,
  kDataBarStackedComposite = 90,
  kDataBarStackedOmnidirectionalComposite = 91,
  kDataBarLimitedComposite = 92,
  kDataBarExpandedStacked = 93,
};

// The specified set keeps its codes 1..43; the types added after it follow.
inline constexpr SymbologyType kSpecifiedSymbologyCount = 43;
inline constexpr SymbologyType kSymbologyCount = kDataBarExpandedStacked;

constexpr bool IsSymbology(SymbologyType code) { return code >= 1 && code <= kSymbologyCount; }
constexpr bool IsAddedSymbology(SymbologyType code) {
  return code > kSpecifiedSymbologyCount && code <= kSymbologyCount;
}

// Image height before scaling: base height less the trim, the trim capped.
struct HeightRule {
  double baseHeight = 0;
  double trimCap = 0;
};

// How the front end cuts and filters the data of a symbology, in this order:
// prepare, then (for FilterThenCut) filter, cut to `length`, (else) filter.
enum class Prepare : std::uint8_t {
  None,
  Trim,                 // white space off both ends
  TrimAndRemoveSpaces,  // trimmed, and every space removed
  Unescape,             // \r \n \t \f \v become control characters
};
enum class FilterOrder : bool { CutThenFilter, FilterThenCut };
enum class AddOnRule : std::uint8_t {
  Clear,     // the symbology has no add-on
  Keep,      // kept as given
  CutDigits  // cut like the data (at `addOnLength`), then digits only
};

struct DataShape {
  Prepare prepare = Prepare::None;
  std::size_t length = 0;
  Spaces spaces = Spaces::Keep;
  std::optional<CharacterClass> keep;  // no filter when empty
  FilterOrder order = FilterOrder::CutThenFilter;
  AddOnRule addOn = AddOnRule::Clear;
  std::size_t addOnLength = 0;
};

// Light space, in units, that a symbology's standard asks for beyond what its
// drawing already leaves, on each side of the image. Where an add-on is drawn
// the right side takes `addOnRight` instead: the add-on has its own quiet zone.
struct QuietZone {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
  int addOnRight = 0;
};

// A check character that data of `length` characters ends in, which the
// symbol does not replace: GS1 modulo 10, kept as given (EAN-14, EAN-18,
// ITF-14), or the modulo-11 character of an old ISBN or ISSN, which its
// EAN-13 form drops. A wrong one is only warned about.
enum class CheckRule : std::uint8_t { None, Gs1Mod10, BookMod11 };
struct CarriedCheck {
  CheckRule rule = CheckRule::None;
  std::size_t length = 0;
};

// An encoder: the shaped data and add-on of one request into its symbol, or
// the reason it cannot be drawn. Pure: the same data gives the same symbol.
using Encoder = Result<EncodedSymbol> (*)(std::u32string_view data, std::u32string_view addon,
                                          const SymbolOptions& options);

// A renderer lays out one encoded symbol: its size and marks, which every
// target then walks. It reads showText as ShowsText gives it.
using Renderer = void (*)(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol);

struct SymbologyRow {
  std::string_view name;  // as -type takes it, and as metadata shows it
  HeightRule height;
  DataShape shape;
  Encoder encode = nullptr;
  Encoder encodeGs1 = nullptr;  // the element-string form under -gs1 1, where the symbology has one
  Renderer render = nullptr;
  bool printsText = true;           // false for the postal codes drawn without digits
  bool replacesCheckDigit = false;  // the symbol computes its check digit and drops one given
  QuietZone quietZone{};            // added under -quietzones 1
  CarriedCheck carriedCheck{};
  // Units of the layout one module takes across: the narrow element of a
  // linear symbol is one unit, a square 2-D module three.
  double moduleUnits = 1;
};

// Rows by code; row 0 stands for "none".
using SymbologyTable = std::array<SymbologyRow, kSymbologyCount + 1>;
extern const SymbologyTable kSymbologies;

// The row of a code; the empty row 0 for unknown codes.
const SymbologyRow& SymbologyRowOf(SymbologyType code);

// The name of a code, empty for unknown codes.
std::string_view SymbologyName(SymbologyType code);

// Exact, case-sensitive match in code order; 0 when nothing matches.
SymbologyType SymbologyFromName(std::u32string_view name);

// Appends the name of the code; nothing for unknown codes.
void AppendSymbologyName(std::u32string& text, SymbologyType code);

// EAN-128, Databar-Expanded, QRCode and DataMatrix read element strings under
// -gs1 1: the rows with an element-string encoder.
bool HasGs1Mode(SymbologyType code);

// Whether the symbology encodes the data's bytes (the 2-D symbols) rather
// than its characters.
bool TakesBytes(SymbologyType code);

// The height rule of a code (base 0, cap 0 for unknown codes and 2-D symbols).
HeightRule HeightRuleFor(SymbologyType symbology);

// base height − min(trim, cap), truncated toward zero; 0 for a trim that is not a number.
int CappedHeight(double baseHeight, double trimCap, double trim);

// The image height of a linear symbology's symbol for a trim.
int ImageHeight(SymbologyType symbology, double trim);

// Background on each side of a request's drawing, in units: the -margin, and
// under -quietzones 1 the quiet zone the row's drawing lacks. The data check
// sizes the image with it and the frame moves the drawing in by it.
struct SideMargins {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};
SideMargins MarginsFor(const BarcodeSettings& settings);

}  // namespace kbc
