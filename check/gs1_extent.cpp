#include "check/gs1_extent.h"

#include "linear/gs1_element_string.h"
#include "matrix/gs1_matrix.h"

namespace kbc {

bool HasGs1Mode(SymbologyType symbology) {
  return symbology == kEan128 || symbology == kDataBarExpanded || symbology == kQrCode || symbology == kDataMatrix;
}

SymbolExtent MeasureGs1(SymbologyType symbology, std::u32string& data) {
  if (symbology == kQrCode || symbology == kDataMatrix) {
    const Gs1ElementString parsed = ParseGs1ElementString(data);
    if (!parsed.refusal.empty()) return SymbolExtent::Refused(parsed.refusal);
    const MatrixSize size = symbology == kQrCode ? Gs1QrSize(data) : Gs1DataMatrixSize(data);
    // libqrencode 4.1.1 rejects its own FNC1-first header (a zero-length entry), so
    // every GS1 QR Code fails there until it is built another way.
    if (size.columns == 0 && symbology == kQrCode) {
      return SymbolExtent::Refused("GS1 QR Code cannot be made with this libqrencode (it refuses FNC1 in first position)");
    }
    if (size.columns == 0) return SymbolExtent::Refused("the element string is too long for any Data Matrix symbol");
    // 3 × 3 units per module, as the symbols outside GS1 mode.
    return {3 * std::int64_t(size.columns), 3.0 * double(size.rows)};
  }
  if (symbology == kDataBarExpanded) {
    const Gs1ElementString parsed = ParseGs1ElementString(data);
    if (!parsed.refusal.empty()) return SymbolExtent::Refused(parsed.refusal);
    data = Gs1DataBarData(parsed.fields);
  }
  std::u32string addon;
  const SymbologyRow& row = SymbologyRowOf(symbology);
  if (row.width != nullptr) return row.width(data, addon);
  return {row.fixedWidth};
}

}  // namespace kbc
