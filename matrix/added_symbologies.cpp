#include "matrix/added_symbologies.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace kbc {
namespace {

// The rMQR sizes as rows x columns, in the order of their version numbers
// (ISO/IEC 23941 Table 1): heights 7 to 17, widths 27 to 139.
constexpr std::array<std::pair<int, int>, 32> kRmqrSizes = {{
    {7, 43},   {7, 59},   {7, 77},   {7, 99},   {7, 139},                 // R7
    {9, 43},   {9, 59},   {9, 77},   {9, 99},   {9, 139},                 // R9
    {11, 27},  {11, 43},  {11, 59},  {11, 77},  {11, 99},  {11, 139},     // R11
    {13, 27},  {13, 43},  {13, 59},  {13, 77},  {13, 99},  {13, 139},     // R13
    {15, 43},  {15, 59},  {15, 77},  {15, 99},  {15, 139},                // R15
    {17, 43},  {17, 59},  {17, 77},  {17, 99},  {17, 139},                // R17
}};

// The library numbers Aztec sizes 1-4 for compact symbols of 1-4 layers and
// 5-36 for full-range ones of 1-32, and error-correction levels 1-4 for 10,
// 23, 36 and 50 % of the codewords (ISO/IEC 24778: each plus 3 codewords).
void AskAztecSize(ZintRequest& request, const SymbolOptions& options) {
  if (options.aztecLayers != 0) request.option2 = options.aztecCompact ? options.aztecLayers : options.aztecLayers + 4;
  constexpr std::array<int, 4> kPercents = {10, 23, 36, 50};
  const auto level = std::ranges::find(kPercents, options.aztecEcPercent);
  if (level != kPercents.end()) request.option1 = int(level - kPercents.begin()) + 1;
}

}  // namespace

int RmqrVersionOf(int rows, int columns) {
  const auto size = std::ranges::find(kRmqrSizes, std::pair{rows, columns});
  return size == kRmqrSizes.end() ? 0 : int(size - kRmqrSizes.begin()) + 1;
}

Result<EncodedSymbol> EncodeWithOptions(ZintRequest request, std::u32string_view data, const SymbolOptions& options) {
  switch (request.symbology) {
    case BARCODE_AZTEC:
    case BARCODE_HIBC_AZTEC:
      if (options.aztecLayers != 0 && options.aztecEcPercent != 0) {
        return Refusal(std::string(request.name) +
                       " takes -aztec-layers or -aztec-eclevel, not both: a fixed size leaves the rest of the symbol "
                       "to error correction");
      }
      AskAztecSize(request, options);
      break;
    case BARCODE_RMQR:
      request.option2 = RmqrVersionOf(options.rmqrRows, options.rmqrColumns);
      break;
    case BARCODE_MICROPDF417:
    case BARCODE_HIBC_MICPDF:
      request.option2 = options.microPdf417Columns;
      break;
    default:
      break;
  }
  return EncodeThroughZint(request, data);
}

}  // namespace kbc
