#include "matrix/added_symbologies.h"

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

}  // namespace

Result<EncodedSymbol> EncodeAztec(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kAztec, data);
}
Result<EncodedSymbol> EncodeAztecRunes(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kAztecRunes, data);
}
Result<EncodedSymbol> EncodeRmqr(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kRmqr, data);
}
Result<EncodedSymbol> EncodeMicroPdf417(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kMicroPdf417, data);
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
Result<EncodedSymbol> EncodeHibcMicroPdf417(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kHibcMicroPdf417, data);
}
Result<EncodedSymbol> EncodeHibcAztec(std::u32string_view data, std::u32string_view, const SymbolOptions&) {
  return EncodeThroughZint(kHibcAztec, data);
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
