#include "check/matrix_width.h"

#include <optional>

#include "matrix/data_matrix.h"
#include "matrix/pdf417.h"
#include "platform/mac_roman.h"

namespace kbc {

// 3 × 3 units per module.
SymbolExtent DataMatrixExtent(std::u32string& d, std::u32string&) {
  const std::optional<std::string> bytes = EncodeMacRoman(d);
  if (!bytes) return SymbolExtent::Refused("Data Matrix data must be Mac OS Roman text");
  const int side = DataMatrixSymbolSide(d);
  if (side == 0) {
    return SymbolExtent::Refused("the data is too long for any Data Matrix symbol (" + std::to_string(bytes->size()) +
                                 " bytes; the largest holds 3116 digits or 1558 other characters)");
  }
  return {3 * std::int64_t(side), 3.0 * side};
}

// One unit per module across, two per row up.
SymbolExtent Pdf417Extent(std::u32string& d, std::u32string&) {
  const std::optional<std::string> bytes = EncodeMacRoman(d);
  if (!bytes) return SymbolExtent::Refused("PDF417 data must be Mac OS Roman text");
  const int rows = Pdf417RowCount(d);
  if (rows == 0) {
    return SymbolExtent::Refused("the data is too long for a PDF417 symbol (" + std::to_string(bytes->size()) +
                                 " bytes need more than 926 codewords)");
  }
  return {Pdf417ModuleWidth(d), 2.0 * rows};
}

}  // namespace kbc
