#include "check/matrix_width.h"

#include <optional>

#include "matrix/pdf417.h"
#include "platform/mac_roman.h"

namespace kbc {

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
