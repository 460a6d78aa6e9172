#include "check/validate.h"

#include <cmath>
#include <limits>

#include "check/gs1_extent.h"
#include "core/symbology.h"

namespace kbc {
namespace {

// Widths are 16-bit signed counts downstream: a wider symbol cannot be drawn.
constexpr std::int64_t kMaxWidth = std::numeric_limits<std::int16_t>::max();

DataCheck Refused(std::string why) { return {std::nullopt, std::move(why), {}}; }

SymbolExtent Measure(const SymbologyRow& row, std::u32string& data, std::u32string& addon) {
  if (row.width != nullptr) return row.width(data, addon);
  return {row.fixedWidth};
}

}  // namespace

DataCheck CheckBarcodeData(const BarcodeSettings& settings) {
  if (!IsSymbology(settings.symbology)) return Refused("no barcode type given");
  const SymbologyRow& row = SymbologyRowOf(settings.symbology);
  if (settings.data.empty()) return Refused("no data is left that " + std::string(row.name) + " can encode");

  std::u32string data = settings.data;
  std::u32string addon = settings.addon;
  const SymbolExtent extent = settings.gs1 == 1 ? MeasureGs1(settings.symbology, data) : Measure(row, data, addon);
  if (extent.width == 0 && !extent.refusal.empty()) return Refused(extent.refusal);

  const double height = std::trunc(extent.height ? *extent.height : ImageHeight(settings.symbology, settings.trim));
  if (!(height >= 1)) return Refused("the trim leaves no height to draw");
  if (extent.width < 1) return Refused("the symbol has no width to draw");
  if (extent.width > kMaxWidth) {
    return Refused("the symbol would be " + std::to_string(extent.width) + " units wide; at most " +
                   std::to_string(kMaxWidth) + " can be drawn");
  }
  const double factor = settings.scale / 100;
  return {Rect{0, 0, double(extent.width) * factor, height * factor}, {}, std::move(data)};
}

std::optional<Rect> ValidateBarcodeData(const BarcodeSettings& settings) { return CheckBarcodeData(settings).image; }

}  // namespace kbc
