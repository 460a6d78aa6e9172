#include "dispatch/data_check.h"

#include <limits>

#include "core/symbology.h"
#include "render/bar_geometry.h"

namespace kbc {
namespace {

// Widths are 16-bit signed counts downstream: a wider symbol cannot be drawn.
constexpr std::int64_t kMaxWidth = std::numeric_limits<std::int16_t>::max();

// Under -gs1 1 the symbologies with a GS1 mode read an element string; every
// other one ignores the option.
bool ReadsElementString(const BarcodeSettings& settings) {
  return settings.gs1 == 1 && HasGs1Mode(settings.symbology);
}

Result<EncodedSymbol> Encode(const SymbologyRow& row, const BarcodeSettings& settings) {
  if (ReadsElementString(settings)) return row.encodeGs1(settings.data, settings.addon);
  return row.encode(settings.data, settings.addon);
}

}  // namespace

DrawList LayoutSymbol(const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  DrawList list;
  const SymbologyRow& row = SymbologyRowOf(settings.symbology);
  const std::int16_t showText = ShowsText(settings) ? 1 : 0;
  if (settings.showText == showText) {
    row.render(list, settings, symbol);
  } else {
    BarcodeSettings shown = settings;
    shown.showText = showText;
    row.render(list, shown, symbol);
  }
  FitBars(list, settings.geometry);
  return list;
}

bool ShowsText(const BarcodeSettings& settings) {
  return SymbologyRowOf(settings.symbology).printsText && settings.textOff == 0;
}

DataCheck CheckBarcodeData(const BarcodeSettings& settings) {
  if (!IsSymbology(settings.symbology)) return Refusal("no barcode type given");
  const SymbologyRow& row = SymbologyRowOf(settings.symbology);
  if (settings.data.empty()) return Refusal("no data is left that " + std::string(row.name) + " can encode");

  Result<EncodedSymbol> encoded = Encode(row, settings);
  if (!encoded) return Refusal(std::move(encoded.refusal));
  EncodedSymbol& symbol = *encoded;

  // Without text a symbol that leaves room for it is as narrow as its bars.
  if (settings.textOff != 0 && symbol.textRoom > 0 && symbol.widthWithoutText > 0) {
    symbol.width = symbol.widthWithoutText;
  }
  if (symbol.width > kMaxWidth) {
    return Refusal("the symbol would be " + std::to_string(symbol.width) + " units wide; at most " +
                   std::to_string(kMaxWidth) + " can be drawn");
  }
  // The image is the size the layout gives, widened by the margins.
  DrawList layout = LayoutSymbol(settings, symbol);
  if (!(layout.height >= 1)) return Refusal("the trim leaves no height to draw");
  if (!(layout.width >= 1)) return Refusal("the symbol has no width to draw");
  const double factor = settings.scale / 100;
  const SideMargins m = MarginsFor(settings);
  const Rect image{0, 0, (layout.width + m.left + m.right) * factor, (layout.height + m.top + m.bottom) * factor};
  return CheckedSymbol{image, std::move(symbol), std::move(layout)};
}

std::optional<Rect> ValidateBarcodeData(const BarcodeSettings& settings) {
  const DataCheck check = CheckBarcodeData(settings);
  return check ? std::optional(check->image) : std::nullopt;
}

}  // namespace kbc
