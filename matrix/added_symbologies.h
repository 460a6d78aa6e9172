// The types added after the specified set, each one request to libzint
// (matrix/zint_symbols.h) whose result our frames draw. A type is its request:
// the table's encoder for it is EncodeAdded<zint::kItsName>.
#pragma once

#include <string_view>

#include "core/encoded_symbol.h"
#include "core/result.h"
#include "core/symbol_options.h"
#include "matrix/zint_symbols.h"

namespace kbc {

// Module sizes in units: the 2-D symbols take 3 a module, as Data Matrix and
// QR Code do; the stacked ones 1 across and 2 a row, as PDF417 does.
constexpr ZintRequest Grid(std::string_view name, int symbology) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::Grid, .moduleUnits = 3, .rowUnits = 3};
}
constexpr ZintRequest Stacked(std::string_view name, int symbology) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::Stacked, .moduleUnits = 1, .rowUnits = 2};
}
// Stacked symbols of linear rows bound by separator bars: 1 unit a module, and
// the rows as high as their standards' least row height.
constexpr ZintRequest Bound(std::string_view name, int symbology, double rowUnits, ZintBinding binding) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::BoundRows, .input = ZintInput::Characters,
          .rowUnits = rowUnits, .binding = binding};
}
constexpr ZintRequest Bars(std::string_view name, int symbology) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::Bars, .input = ZintInput::Characters};
}
constexpr ZintRequest Postal(std::string_view name, int symbology) {
  return {.name = name, .symbology = symbology, .shape = ZintShape::BarStates, .input = ZintInput::Characters};
}
// Symbols whose own character set is not Mac OS Roman take the data's characters.
constexpr ZintRequest InCharacters(ZintRequest request) {
  request.input = ZintInput::Characters;
  return request;
}

// Each added type's request, apart from the table's codes of the same names.
namespace zint {

// Two-dimensional and stacked symbols, drawn by the matrix frame.
inline constexpr ZintRequest kAztec = Grid("Aztec", BARCODE_AZTEC);
inline constexpr ZintRequest kAztecRunes = Grid("Aztec-Runes", BARCODE_AZRUNE);
inline constexpr ZintRequest kRmqr = Grid("rMQR", BARCODE_RMQR);
inline constexpr ZintRequest kMicroPdf417 = Stacked("MicroPDF417", BARCODE_MICROPDF417);
inline constexpr ZintRequest kHibcDataMatrix = Grid("HIBC-DataMatrix", BARCODE_HIBC_DM);
inline constexpr ZintRequest kHibcQr = Grid("HIBC-QR", BARCODE_HIBC_QR);
inline constexpr ZintRequest kHibcPdf417 = Stacked("HIBC-PDF417", BARCODE_HIBC_PDF);
inline constexpr ZintRequest kHibcMicroPdf417 = Stacked("HIBC-MicroPDF417", BARCODE_HIBC_MICPDF);
inline constexpr ZintRequest kHibcAztec = Grid("HIBC-Aztec", BARCODE_HIBC_AZTEC);
inline constexpr ZintRequest kPdf417Compact = Stacked("PDF417-Compact", BARCODE_PDF417COMP);
// EN 12323 (Code 16K) and ANSI/AIM BC6 (Code 49): rows at least 8X high, 10X of
// light before each row and 1X after it, inside the top and bottom bars.
inline constexpr ZintRequest kCode16k =
    Bound("Code-16K", BARCODE_CODE16K, 8, {.leadingLight = 10, .trailingLight = 1, .edgesOverLight = true});
inline constexpr ZintRequest kCode49 =
    Bound("Code-49", BARCODE_CODE49, 8, {.leadingLight = 10, .trailingLight = 1, .edgesOverLight = true});
// AIM Europe Codablock F: rows 10X high; the separators between rows leave the
// 11-module start and the 13-module stop character of each row open.
inline constexpr ZintRequest kCodablockF =
    Bound("Codablock-F", BARCODE_CODABLOCKF, 10, {.separatorStart = 11, .separatorEnd = 13});
// The HIBC form (ANSI/HIBC 2.6 on Codablock F) is drawn as Codablock F is.
inline constexpr ZintRequest kHibcCodablockF =
    Bound("HIBC-Codablock-F", BARCODE_HIBC_BLOCKF, 10, {.separatorStart = 11, .separatorEnd = 13});
inline constexpr ZintRequest kHanXin = InCharacters(Grid("Han-Xin", BARCODE_HANXIN));
inline constexpr ZintRequest kGridMatrix = InCharacters(Grid("Grid-Matrix", BARCODE_GRIDMATRIX));
inline constexpr ZintRequest kCodeOne = Grid("Code-One", BARCODE_CODEONE);
// The Slovenian payment order: QR Code version 15, level M, ISO 8859-2 (ECI 4).
inline constexpr ZintRequest kUpnqr = InCharacters(Grid("UPNQR", BARCODE_UPNQR));
// Linear symbols, drawn with our text below them.
inline constexpr ZintRequest kCode11 = Bars("Code-11", BARCODE_CODE11);
inline constexpr ZintRequest kLogmars = Bars("LOGMARS", BARCODE_LOGMARS);
inline constexpr ZintRequest kPlessey = Bars("Plessey", BARCODE_PLESSEY);
inline constexpr ZintRequest kHibc128 = Bars("HIBC-128", BARCODE_HIBC_128);
inline constexpr ZintRequest kHibc39 = Bars("HIBC-39", BARCODE_HIBC_39);
inline constexpr ZintRequest kVin = Bars("VIN", BARCODE_VIN);
inline constexpr ZintRequest kDpd = Bars("DPD", BARCODE_DPD);
inline constexpr ZintRequest kChannelCode = Bars("Channel-Code", BARCODE_CHANNEL);
inline constexpr ZintRequest kLeitcode = Bars("Leitcode", BARCODE_DPLEIT);
// Postal bar states.
inline constexpr ZintRequest kAusPost = Postal("AusPost", BARCODE_AUSPOST);
inline constexpr ZintRequest kKix = Postal("KIX", BARCODE_KIX);
inline constexpr ZintRequest kJapanPost = Postal("Japan-Post", BARCODE_JAPANPOST);
inline constexpr ZintRequest kPlanet = Postal("PLANET", BARCODE_PLANET);

}  // namespace zint

// The rMQR version of a size, 1 (R7x43) to 32 (R17x139), or 0 for a size
// rMQR does not have.
int RmqrVersionOf(int rows, int columns);

// The request completed by the symbol options its type takes (Aztec's layers
// or error-correction share, rMQR's size, MicroPDF417's columns), then encoded;
// options that contradict each other are refused.
Result<EncodedSymbol> EncodeWithOptions(ZintRequest request, std::u32string_view data, const SymbolOptions& options);

template <const ZintRequest& kRequest>
Result<EncodedSymbol> EncodeAdded(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  return EncodeWithOptions(kRequest, data, options);
}

}  // namespace kbc
