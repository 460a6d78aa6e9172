#include "matrix/added_symbologies.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "matrix/zint_symbols.h"

namespace kbc {
namespace {

// Module sizes in units: the 2-D symbols take 3 a module, as Data Matrix and
// QR Code do; the stacked ones 1 across and 2 a row, as PDF417 does.
constexpr ZintRequest Grid(std::string_view name, int symbology) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::Grid, .moduleUnits = 3, .rowUnits = 3};
}
constexpr ZintRequest Stacked(std::string_view name, int symbology) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::Stacked, .moduleUnits = 1, .rowUnits = 2};
}
constexpr ZintRequest Bars(std::string_view name, int symbology) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::Bars};
}
constexpr ZintRequest Postal(std::string_view name, int symbology) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::BarStates};
}

constexpr ZintRequest kAztec = Grid("Aztec", BARCODE_AZTEC);
constexpr ZintRequest kAztecRunes = Grid("Aztec-Runes", BARCODE_AZRUNE);
constexpr ZintRequest kRmqr = Grid("rMQR", BARCODE_RMQR);
constexpr ZintRequest kMicroPdf417 = Stacked("MicroPDF417", BARCODE_MICROPDF417);
constexpr ZintRequest kHibcDataMatrix = Grid("HIBC-DataMatrix", BARCODE_HIBC_DM);
constexpr ZintRequest kHibcQr = Grid("HIBC-QR", BARCODE_HIBC_QR);
constexpr ZintRequest kHibcPdf417 = Stacked("HIBC-PDF417", BARCODE_HIBC_PDF);
constexpr ZintRequest kHibcMicroPdf417 = Stacked("HIBC-MicroPDF417", BARCODE_HIBC_MICPDF);
constexpr ZintRequest kHibcAztec = Grid("HIBC-Aztec", BARCODE_HIBC_AZTEC);
constexpr ZintRequest kCode11 = Bars("Code-11", BARCODE_CODE11);
constexpr ZintRequest kLogmars = Bars("LOGMARS", BARCODE_LOGMARS);
constexpr ZintRequest kPlessey = Bars("Plessey", BARCODE_PLESSEY);
constexpr ZintRequest kHibc128 = Bars("HIBC-128", BARCODE_HIBC_128);
constexpr ZintRequest kHibc39 = Bars("HIBC-39", BARCODE_HIBC_39);
constexpr ZintRequest kVin = Bars("VIN", BARCODE_VIN);
constexpr ZintRequest kDpd = Bars("DPD", BARCODE_DPD);
constexpr ZintRequest kChannelCode = Bars("Channel-Code", BARCODE_CHANNEL);
constexpr ZintRequest kLeitcode = Bars("Leitcode", BARCODE_DPLEIT);
constexpr ZintRequest kAusPost = Postal("AusPost", BARCODE_AUSPOST);
constexpr ZintRequest kKix = Postal("KIX", BARCODE_KIX);
constexpr ZintRequest kJapanPost = Postal("Japan-Post", BARCODE_JAPANPOST);
constexpr ZintRequest kPlanet = Postal("PLANET", BARCODE_PLANET);

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
Result<EncodedSymbol> EncodeAztecWith(ZintRequest request, std::u32string_view data, const SymbolOptions& options) {
  if (options.aztecLayers != 0 && options.aztecEcPercent != 0) {
    return Refusal(std::string(request.name) +
                   " takes -aztec-layers or -aztec-eclevel, not both: a fixed size leaves the rest of the symbol "
                   "to error correction");
  }
  if (options.aztecLayers != 0) request.option2 = options.aztecCompact ? options.aztecLayers : options.aztecLayers + 4;
  constexpr std::array<int, 4> kPercents = {10, 23, 36, 50};
  const auto level = std::ranges::find(kPercents, options.aztecEcPercent);
  if (level != kPercents.end()) request.option1 = int(level - kPercents.begin()) + 1;
  return EncodeThroughZint(request, data);
}

Result<EncodedSymbol> EncodeMicroPdf417With(ZintRequest request, std::u32string_view data,
                                            const SymbolOptions& options) {
  request.option2 = options.microPdf417Columns;
  return EncodeThroughZint(request, data);
}

}  // namespace

int RmqrVersionOf(int rows, int columns) {
  const auto size = std::ranges::find(kRmqrSizes, std::pair{rows, columns});
  return size == kRmqrSizes.end() ? 0 : int(size - kRmqrSizes.begin()) + 1;
}

Result<EncodedSymbol> EncodeAztec(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  return EncodeAztecWith(kAztec, data, options);
}
Result<EncodedSymbol> EncodeAztecRunes(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kAztecRunes, data);
}
Result<EncodedSymbol> EncodeRmqr(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  ZintRequest request = kRmqr;
  request.option2 = RmqrVersionOf(options.rmqrRows, options.rmqrColumns);
  return EncodeThroughZint(request, data);
}
Result<EncodedSymbol> EncodeMicroPdf417(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  return EncodeMicroPdf417With(kMicroPdf417, data, options);
}
Result<EncodedSymbol> EncodeHibcDataMatrix(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kHibcDataMatrix, data);
}
Result<EncodedSymbol> EncodeHibcQr(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kHibcQr, data);
}
Result<EncodedSymbol> EncodeHibcPdf417(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kHibcPdf417, data);
}
Result<EncodedSymbol> EncodeHibcMicroPdf417(std::u32string_view data, std::u32string_view,
                                            const SymbolOptions& options) {
  return EncodeMicroPdf417With(kHibcMicroPdf417, data, options);
}
Result<EncodedSymbol> EncodeHibcAztec(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  return EncodeAztecWith(kHibcAztec, data, options);
}
Result<EncodedSymbol> EncodeCode11(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kCode11, data);
}
Result<EncodedSymbol> EncodeLogmars(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kLogmars, data);
}
Result<EncodedSymbol> EncodePlessey(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kPlessey, data);
}
Result<EncodedSymbol> EncodeHibc128(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kHibc128, data);
}
Result<EncodedSymbol> EncodeHibc39(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kHibc39, data);
}
Result<EncodedSymbol> EncodeVin(std::u32string_view data, std::u32string_view, const SymbolOptions&) { return EncodeThroughZint(kVin, data); }
Result<EncodedSymbol> EncodeDpd(std::u32string_view data, std::u32string_view, const SymbolOptions&) { return EncodeThroughZint(kDpd, data); }
Result<EncodedSymbol> EncodeChannelCode(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kChannelCode, data);
}
Result<EncodedSymbol> EncodeLeitcode(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kLeitcode, data);
}
Result<EncodedSymbol> EncodeAusPost(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kAusPost, data);
}
Result<EncodedSymbol> EncodeKix(std::u32string_view data, std::u32string_view, const SymbolOptions&) { return EncodeThroughZint(kKix, data); }
Result<EncodedSymbol> EncodeJapanPost(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kJapanPost, data);
}
Result<EncodedSymbol> EncodePlanet(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kPlanet, data);
}

}  // namespace kbc
