#include "request/gs1_symbol_sizes.h"

#include <array>

#include "core/length.h"
#include "core/symbology.h"

namespace kbc {
namespace {

struct SizeRange {
  SymbologyType symbology;
  bool onlyGs1Mode;        // the symbol is a GS1 one only under -gs1 1
  double xMin, xMax;       // millimetres
  double heightMin;        // millimetres; 0: none stated apart from the symbol's proportions
  std::string_view use;
};

// GS1 General Specifications 5.12.3: Symbol Specification Table 1 (trade
// items scanned at retail point of sale; GS1 QR Code at 1.5 times the linear
// X-dimension), Table 3 (trade items in general distribution only: ITF-14),
// Table 4 (logistic units: GS1-128) and the healthcare tables (GS1 DataMatrix
// on regulated healthcare items, from 0.254 mm).
constexpr std::string_view kRetail = "retail point of sale";
constexpr std::array<SizeRange, 17> kRanges = {{
    {kEan13, false, 0.264, 0.660, 0, kRetail},
    {kUpcA, false, 0.264, 0.660, 0, kRetail},
    {kEan8, false, 0.264, 0.660, 0, kRetail},
    {kUpcE, false, 0.264, 0.660, 0, kRetail},
    {kIsbn, false, 0.264, 0.660, 0, kRetail},
    {kIssn, false, 0.264, 0.660, 0, kRetail},
    {kIsmn, false, 0.264, 0.660, 0, kRetail},
    {kDataBarOmnidirectional, false, 0.264, 0.660, 0, kRetail},
    {kDataBarTruncated, false, 0.264, 0.660, 0, kRetail},
    {kDataBarStacked, false, 0.264, 0.660, 0, kRetail},
    {kDataBarStackedOmnidirectional, false, 0.264, 0.660, 0, kRetail},
    {kDataBarLimited, false, 0.264, 0.660, 0, kRetail},
    {kDataBarExpanded, false, 0.264, 0.660, 0, kRetail},
    {kQrCode, true, 0.396, 0.990, 0, kRetail},
    {kDataMatrix, true, 0.254, 0.990, 0, "healthcare"},
    {kItf14, false, 0.495, 1.016, 31.75, "general distribution"},
    {kEan128, false, 0.495, 0.940, 31.75, "logistic units"},
}};

std::string Millimetres(double value) { return LengthText(value, LengthUnit::Millimetres); }

}  // namespace

std::optional<std::string> Gs1SizeWarning(const BarcodeSettings& settings, double xMillimetres,
                                          double heightMillimetres) {
  for (const SizeRange& range : kRanges) {
    if (range.symbology != settings.symbology || (range.onlyGs1Mode && settings.gs1 != 1)) continue;
    const std::string name(SymbologyName(settings.symbology));
    // Sizes are compared as the warning shows them, to the micrometre.
    const auto below = [](double value, double limit) { return value < limit - 0.0005; };
    if (below(xMillimetres, range.xMin)) {
      return name + " X-dimension " + Millimetres(xMillimetres) + " is below GS1's " + Millimetres(range.xMin) +
             " minimum for " + std::string(range.use);
    }
    if (below(range.xMax, xMillimetres)) {
      return name + " X-dimension " + Millimetres(xMillimetres) + " is above GS1's " + Millimetres(range.xMax) +
             " maximum for " + std::string(range.use);
    }
    if (heightMillimetres > 0 && below(heightMillimetres, range.heightMin)) {
      return name + " bar height " + Millimetres(heightMillimetres) + " is below GS1's " +
             Millimetres(range.heightMin) + " minimum for " + std::string(range.use);
    }
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace kbc
