// GS1 Composite symbols: a linear symbol with a 2-D component (CC-A, CC-B or
// CC-C, which libzint picks by the component's length) stacked above it. The
// linear part is the request's data, the component its -addon, both written as
// GS1 DataBar Expanded element strings are (bare identifiers, "#" after a
// variable-length field).
#pragma once

#include <zint.h>

#include <string_view>

#include "core/draw_list.h"
#include "core/encoded_symbol.h"
#include "core/result.h"
#include "core/settings.h"
#include "core/symbology.h"
#include "core/symbol_options.h"
#include "linear/ean13.h"
#include "linear/ean8_upce.h"
#include "matrix/databar.h"

namespace kbc {

// The component and its separator rows are the grid, top first, 1 unit a
// module; GS1-128's bars are its last row.
Result<EncodedSymbol> EncodeGs1128Composite(std::u32string_view data, std::u32string_view component,
                                            const SymbolOptions& options);

// A GS1 DataBar symbol of up to 13 digits, padded with zeros, its check digit
// computed, under the component; its rows as high as without one.
struct DataBarComposite {
  std::string_view name;
  int symbology;       // the library's composite of this DataBar kind
  DataBarKind linear;  // whose row heights it is drawn with
};

Result<EncodedSymbol> EncodeDataBarComposite(const DataBarComposite& kind, std::u32string_view data,
                                             std::u32string_view component, const SymbolOptions& options);

// EAN and UPC composites: our own symbol of the data, its component above it.
struct RetailComposite {
  std::string_view name;
  int symbology;   // the library's composite of this linear symbol
  Encoder linear;  // ours
  double firstBar; // where our drawing of it begins its bars, after its quiet zone
};

// Our linear symbol with the component as its grid, and in `variant` the
// column of the component's rows where the linear symbol begins.
Result<EncodedSymbol> EncodeRetailComposite(const RetailComposite& kind, std::u32string_view data,
                                            std::u32string_view component, const SymbolOptions& options);

namespace composite {

inline constexpr RetailComposite kEan13 = {"EAN-13-Composite", BARCODE_EANX_CC, Ean13Encoding, 11};
inline constexpr RetailComposite kEan8 = {"EAN-8-Composite", BARCODE_EANX_CC, Ean8Encoding, 7};
inline constexpr RetailComposite kUpcA = {"UPC-A-Composite", BARCODE_UPCA_CC, UpcAEncoding, 9};
inline constexpr RetailComposite kUpcE = {"UPC-E-Composite", BARCODE_UPCE_CC, UpcEEncoding, 9};

// DataBar Truncated is Omnidirectional's symbol at a lower height; Limited's
// component takes its own, narrower widths.
inline constexpr DataBarComposite kDataBarOmnidirectional = {"Databar-Omnidirectional-Composite", BARCODE_DBAR_OMN_CC,
                                                             DataBarKind::kOmnidirectional};
inline constexpr DataBarComposite kDataBarTruncated = {"Databar-Truncated-Composite", BARCODE_DBAR_OMN_CC,
                                                       DataBarKind::kTruncated};
inline constexpr DataBarComposite kDataBarStacked = {"Databar-Stacked-Composite", BARCODE_DBAR_STK_CC,
                                                     DataBarKind::kStacked};
inline constexpr DataBarComposite kDataBarStackedOmnidirectional = {
    "Databar-StackedOmnidirectional-Composite", BARCODE_DBAR_OMNSTK_CC, DataBarKind::kStackedOmnidirectional};
inline constexpr DataBarComposite kDataBarLimited = {"Databar-Limited-Composite", BARCODE_DBAR_LTD_CC,
                                                     DataBarKind::kLimited};

}  // namespace composite

template <const RetailComposite& kKind>
Result<EncodedSymbol> EncodeRetail(std::u32string_view data, std::u32string_view component,
                                   const SymbolOptions& options) {
  return EncodeRetailComposite(kKind, data, component, options);
}

// Adds the component over the bars of a list our linear renderer has laid out,
// the image growing upwards by the component's height.
void DrawComponentAbove(DrawList& list, const EncodedSymbol& symbol, double firstBar);

template <const DataBarComposite& kKind>
Result<EncodedSymbol> EncodeDataBarWith(std::u32string_view data, std::u32string_view component,
                                        const SymbolOptions& options) {
  return EncodeDataBarComposite(kKind, data, component, options);
}

template <Renderer kLinear, const RetailComposite& kKind>
void RenderRetail(DrawList& list, const BarcodeSettings& settings, const EncodedSymbol& symbol) {
  kLinear(list, settings, symbol);
  DrawComponentAbove(list, symbol, kKind.firstBar);
}

}  // namespace kbc
