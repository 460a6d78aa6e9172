// Symbology codes and the names accepted by -type (also written into metadata).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cli/types.h"

namespace kbc {

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
};

inline constexpr SymbologyType kSymbologyCount = 43;

// Names by code minus 1; the order is part of the interface.
inline constexpr std::array<std::string_view, kSymbologyCount> kSymbologyNames = {
    "EAN-13",                                  // 1
    "EAN-8",        "EAN-128",        "EAN-14",          "EAN-18",       "EAN-99",
    "EAN-Coupon",   "EAN-Velocity",   "UPC-A",           "UPC-E",        // 10
    "Code-128",     "Code-93",        "Code-39",         "Code-32",      "Code-25",
    "UPC-Coupon",   "Codabar",        "ISSN",            "ISBN",         "ISMN",  // 20
    "PostNet",      "RM4SCC",         "Pharmacode",      "CIP",          "PZN",
    "MSI",          "ITF-SCC",        "ITF-14",          "Interleaved-25", "QRCode",  // 30
    "MicroQR",      "PDF417",         "Identcode",       "DataMatrix",   "USPS4CB",
    "FIM",                                                                 // 36
    "Databar-Omnidirectional",         "Databar-Truncated",
    "Databar-Stacked",                 "Databar-StackedOmnidirectional",   // 40
    "Databar-Limited",                 "Databar-Expanded",
    "Telepen",                                                             // 43
};

constexpr bool IsSymbology(SymbologyType code) { return code >= 1 && code <= kSymbologyCount; }

// The name of a code, empty for codes outside 1..43.
constexpr std::string_view SymbologyName(SymbologyType code) {
  return IsSymbology(code) ? kSymbologyNames[code - 1] : std::string_view{};
}

// Exact, case-sensitive match in code order; 0 when nothing matches.
SymbologyType SymbologyFromName(std::u32string_view name);

// Appends the name of the code; nothing for codes outside 1..43.
void AppendSymbologyName(std::u32string& text, SymbologyType code);

}  // namespace kbc
