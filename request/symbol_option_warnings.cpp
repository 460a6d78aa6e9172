#include "request/symbol_option_warnings.h"

#include <array>
#include <string_view>

#include "core/symbology.h"
#include "matrix/hibc_check.h"
#include "text/utf8.h"

namespace kbc {
namespace {

bool IsQrCode(SymbologyType code) { return code == kQrCode; }
bool IsDataMatrix(SymbologyType code) { return code == kDataMatrix; }
bool TakesEci(SymbologyType code) { return code == kQrCode || code == kDataMatrix; }
bool IsCode128(SymbologyType code) { return code == kCode128 || code == kEan128; }
bool IsMaxiCode(SymbologyType code) { return code == kMaxiCode; }
bool IsDotCode(SymbologyType code) { return code == kDotCode; }
bool IsAztec(SymbologyType code) { return code == kAztec || code == kHibcAztec; }
bool IsRmqr(SymbologyType code) { return code == kRmqr; }
bool IsMicroPdf417(SymbologyType code) { return code == kMicroPdf417 || code == kHibcMicroPdf417; }
bool IsDataBarExpandedStacked(SymbologyType code) { return code == kDataBarExpandedStacked; }
bool IsHibc(SymbologyType code) {
  return (code >= kHibcDataMatrix && code <= kHibcAztec) || code == kHibc128 || code == kHibc39 ||
         code == kHibcCodablockF;
}

struct SymbolOptionUse {
  std::string_view option;
  std::string_view takers;
  bool (*takes)(SymbologyType code);
  bool (*given)(const SymbolOptions& options);
};

constexpr std::array<SymbolOptionUse, 13> kUses = {{
    {"-eclevel", "QRCode", IsQrCode, [](const SymbolOptions& o) { return o.qrLevel != QrLevel::L; }},
    {"-qrversion", "QRCode", IsQrCode, [](const SymbolOptions& o) { return o.qrVersion != 0; }},
    {"-eci", "QRCode and DataMatrix", TakesEci, [](const SymbolOptions& o) { return o.eci != kNoEci; }},
    {"-dmsize", "DataMatrix", IsDataMatrix, [](const SymbolOptions& o) { return o.dataMatrixRows != 0; }},
    {"-code128", "Code-128 and EAN-128", IsCode128, [](const SymbolOptions& o) { return o.code128Shortest; }},
    {"-maxicode-mode", "MaxiCode", IsMaxiCode, [](const SymbolOptions& o) { return o.maxiCodeMode != 0; }},
    {"-dotcode-columns", "DotCode", IsDotCode, [](const SymbolOptions& o) { return o.dotCodeColumns != 0; }},
    {"-aztec-layers", "Aztec and HIBC-Aztec", IsAztec, [](const SymbolOptions& o) { return o.aztecLayers != 0; }},
    {"-aztec-eclevel", "Aztec and HIBC-Aztec", IsAztec, [](const SymbolOptions& o) { return o.aztecEcPercent != 0; }},
    {"-rmqr-size", "rMQR", IsRmqr, [](const SymbolOptions& o) { return o.rmqrRows != 0; }},
    {"-micropdf417-columns", "MicroPDF417 and HIBC-MicroPDF417", IsMicroPdf417,
     [](const SymbolOptions& o) { return o.microPdf417Columns != 0; }},
    {"-hibc-check", "the HIBC types", IsHibc, [](const SymbolOptions& o) { return o.hibcCheckGiven; }},
    {"-databar-segments", "Databar-Expanded-Stacked", IsDataBarExpandedStacked,
     [](const SymbolOptions& o) { return o.dataBarSegments != 0; }},
}};

}  // namespace

std::optional<std::string> SymbolOptionWarning(const BarcodeSettings& settings) {
  const SymbolOptions& options = settings.symbolOptions;
  for (const SymbolOptionUse& use : kUses) {
    if (use.given(options) && !use.takes(settings.symbology)) {
      return std::string(use.option) + " applies to " + std::string(use.takers) + "; " +
             std::string(SymbologyName(settings.symbology)) + " ignores it";
    }
  }
  // Data copied from a label or a UDI database is often the whole code as
  // printed; encoded as data it would carry a second flag and check character.
  const std::u32string_view data = settings.data;
  if (IsHibc(settings.symbology) && !options.hibcCheckGiven && data.size() >= 3 && data.front() == U'+' &&
      HibcCheckCharacter(data.substr(0, data.size() - 1)) == data.back()) {
    return std::string(SymbologyName(settings.symbology)) + " data \"" + ToUtf8(data) +
           "\" is already a whole HIBC code, flag and check character included; another flag and check character "
           "were added (give -hibc-check given to encode it as it is)";
  }
  const bool readsGs1 = settings.gs1 == 1 && HasGs1Mode(settings.symbology);
  if (!options.digitalLinkBase.empty() && !(TakesEci(settings.symbology) && readsGs1)) {
    return "-gs1dl applies to QRCode and DataMatrix with -gs1 1; it was ignored";
  }
  // The symbol carries the typed bytes; without an ECI a reader is free to
  // take them for ISO/IEC 8859-1, the symbols' default character set.
  if (settings.dataUtf8 && TakesEci(settings.symbology) && options.eci == kNoEci && !readsGs1) {
    return std::string(SymbologyName(settings.symbology)) +
           " data typed as UTF-8 is encoded as its bytes with no ECI, so readers may show other characters; give "
           "-eci 26 to mark it as UTF-8";
  }
  return std::nullopt;
}

}  // namespace kbc
