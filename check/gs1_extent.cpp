#include "check/gs1_extent.h"

#include "linear/gs1_128.h"

namespace kbc {

bool HasGs1Mode(SymbologyType symbology) {
  return symbology == kEan128 || symbology == kDataBarExpanded || symbology == kQrCode || symbology == kDataMatrix;
}

SymbolExtent MeasureGs1(SymbologyType symbology, std::u32string& data) {
  if (symbology == kEan128) {
    const Gs1_128Symbol symbol = EncodeGs1_128(data);
    if (!symbol.refusal.empty()) return SymbolExtent::Refused(symbol.refusal);
    return {Gs1_128Width(symbol)};
  }
  std::u32string addon;
  const SymbologyRow& row = SymbologyRowOf(symbology);
  if (row.width != nullptr) return row.width(data, addon);
  return {row.fixedWidth};
}

}  // namespace kbc
