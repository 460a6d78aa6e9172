#include "matrix/zint_library.h"

#include "platform/library_names.h"

namespace kbc {

ZintLibrary::ZintLibrary() : library(kZintLibrary) {}

const ZintLibrary& Zint() {
  static const ZintLibrary library;
  return library;
}

std::string ZintMessage(const zint_symbol& symbol) {
  const std::string_view text = symbol.errtxt;
  const std::size_t colon = text.find(": ");
  return std::string(colon == text.npos ? text : text.substr(colon + 2));
}

std::string ZintRow(const zint_symbol& symbol, int row, std::size_t width) {
  std::string modules(width, '0');
  // Rows are packed eight modules a byte, the first module in the lowest bit.
  for (std::size_t x = 0; x < width; ++x) {
    if ((symbol.encoded_data[row][x >> 3] >> (x & 7)) & 1) modules[x] = '1';
  }
  return modules;
}

}  // namespace kbc
