#include "request/printer_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/length.h"
#include "core/symbology.h"
#include "request/gs1_symbol_sizes.h"

namespace kbc {
namespace {

constexpr double kMostXMillimetres = 10;

double PointsToMillimetres(double points) { return points * kMillimetresPerInch / kPointsPerInch; }

std::string TwoPlaces(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// "0.33 mm", as given.
std::string Given(const Length& length) { return LengthText(length.value, length.unit); }

// Whether a symbology's modules are square, so that its bars have no height of their own.
bool HasSquareModules(const SymbologyRow& row) { return row.moduleUnits != 1; }

}  // namespace

std::vector<std::string> FitForPrinter(BarcodeSettings& settings, bool bitmap) {
  PrintGeometry& geometry = settings.geometry;
  const bool sized = settings.xdim.Given() || settings.barHeight.Given() || settings.barReduction.Given();
  // A bitmap's dot is its pixel: a point without -dpi.
  geometry.wholeDots = bitmap && (settings.dpi > 0 || sized);
  geometry.physical = sized || settings.dpi > 0;
  std::vector<std::string> warnings;
  if (!sized && !geometry.wholeDots) return warnings;
  const SymbologyRow& row = SymbologyRowOf(settings.symbology);
  const int dpi = settings.dpi > 0 ? settings.dpi : int(kPointsPerInch);
  const double pointsPerDot = kPointsPerInch / dpi;

  // The module width in points: asked for, or what -scale makes of one.
  double x = settings.xdim.Given() ? PointsOf(settings.xdim, dpi) : settings.scale / 100 * row.moduleUnits;
  const double most = kMostXMillimetres * kPointsPerInch / kMillimetresPerInch;
  if (x > most) {
    warnings.push_back("-xdim " + Given(settings.xdim) + " is more than 10 mm; 10 mm is used");
    x = most;
  }
  if (geometry.wholeDots) {
    const double dots = x / pointsPerDot;
    const double whole = std::max(1.0, std::round(dots));
    // The width drawn in the unit asked for (millimetres for a fraction of
    // dots), named where it differs from the one asked for as both are shown.
    const LengthUnit unit = settings.xdim.unit == LengthUnit::Dots ? LengthUnit::Millimetres : settings.xdim.unit;
    const std::string drawn = LengthText(InUnit(whole * pointsPerDot, unit, dpi), unit);
    if (settings.xdim.Given() && drawn != LengthText(InUnit(x, unit, dpi), unit)) {
      warnings.push_back("X-dimension " + Given(settings.xdim) + " is " + TwoPlaces(dots) + " dots at " +
                         std::to_string(dpi) + " dpi; drawn at " + LengthText(whole, LengthUnit::Dots) + " (" + drawn +
                         ")");
    }
    x = whole * pointsPerDot;
  }
  // Points per unit of the layout.
  const double factor = x / row.moduleUnits;
  settings.scale = 100 * factor;

  double heightPoints = 0;
  if (settings.barHeight.Given()) {
    if (HasSquareModules(row)) {
      warnings.push_back("-height does not apply to " + std::string(row.name) +
                         ", whose modules are square; it was ignored");
    } else {
      heightPoints = PointsOf(settings.barHeight, dpi);
      if (geometry.wholeDots) heightPoints = std::max(1.0, std::round(heightPoints / pointsPerDot)) * pointsPerDot;
      geometry.barHeight = heightPoints / factor;
    }
  }
  if (settings.barReduction.Given()) {
    double reduction = PointsOf(settings.barReduction, dpi);
    const double half = geometry.wholeDots ? std::floor(x / pointsPerDot / 2) * pointsPerDot : x / 2;
    if (reduction > half + 1e-9) {
      warnings.push_back("-bwr " + Given(settings.barReduction) + " would take more than half a module; " +
                         LengthText(InUnit(half, settings.barReduction.unit, dpi), settings.barReduction.unit) +
                         " is taken");
      reduction = half;
    }
    if (geometry.wholeDots) {
      // Whole dots off the bars, the odd one from the right edge.
      const double dots = std::round(reduction / pointsPerDot);
      geometry.barReduction = dots * pointsPerDot / factor;
      geometry.reductionShift = std::floor(dots / 2) * pointsPerDot / factor;
    } else {
      geometry.barReduction = reduction / factor;
      geometry.reductionShift = geometry.barReduction / 2;
    }
  }
  if (settings.xdim.Given() || settings.barHeight.Given()) {
    const double heightMillimetres = PointsToMillimetres(heightPoints);
    if (const auto gs1 = Gs1SizeWarning(settings, PointsToMillimetres(x), heightMillimetres)) warnings.push_back(*gs1);
  }
  return warnings;
}

}  // namespace kbc
