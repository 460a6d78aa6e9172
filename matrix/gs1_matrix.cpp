#include "matrix/gs1_matrix.h"

#include <optional>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "linear/gs1_digital_link.h"
#include "linear/gs1_element_string.h"
#include "matrix/data_matrix.h"
#include "matrix/matrix_frame.h"
#include "matrix/qr_code.h"
#include "matrix/zint_library.h"

namespace kbc {
namespace {


// The element string in the bracketed form libzint's GS1 mode reads. Its own
// AI checks are off: ours ran already, and its table is older than ours. It
// still places FNC1 first and GS after each variable-length field but the
// last, by a table that takes AIs 23x for predefined length: (235) is of
// variable length, so it goes last, where it needs no GS. The order of element
// strings carries no meaning.
std::string ZintGs1Input(const std::vector<Gs1Field>& fields) {
  std::string input;
  std::string last;
  for (const Gs1Field& field : fields) (field.ai.starts_with("23") ? last : input) += "[" + field.ai + "]" + field.data;
  return input + last;
}

// The symbol, or libzint's reason for refusing it.
Result<QrSymbol> Gs1QrSymbol(const std::vector<Gs1Field>& fields, const SymbolOptions& options) {
  if (!Zint().usable) return Refusal("GS1 QR Code needs libzint, which could not be opened");
  const ZintSymbolHandle symbol(Zint().create());
  if (!symbol) return Refusal("GS1 QR Code could not be encoded (out of memory)");
  symbol->symbology = BARCODE_QRCODE;
  symbol->input_mode = GS1_MODE | GS1NOCHECK_MODE;
  // libzint numbers the levels L to H from 1, and takes 0 for the smallest version.
  symbol->option_1 = int(options.qrLevel) + 1;
  symbol->option_2 = options.qrVersion;
  const std::string input = ZintGs1Input(fields);
  const int status =
      Zint().encode(symbol.get(), reinterpret_cast<const unsigned char*>(input.data()), int(input.size()));
  // A version asked for is kept or the data refused, with the words plain QR Code uses.
  const bool versionKept = options.qrVersion == 0 || (status < ZINT_ERROR && symbol->width == 17 + 4 * options.qrVersion);
  if (!versionKept) {
    return Refusal("the element string is too long for QR Code version " + std::to_string(options.qrVersion) + "-" +
                   std::string(1, QrLevelLetter(options.qrLevel)));
  }
  if (status >= ZINT_ERROR) return Refusal("GS1 QR Code cannot encode this data: " + ZintMessage(*symbol));
  if (symbol->width <= 0 || symbol->rows != symbol->width) return Refusal("GS1 QR Code could not be encoded");
  QrSymbol qr;
  qr.width = symbol->width;
  const std::size_t width = std::size_t(qr.width);
  qr.modules.reserve(width * width);
  for (int row = 0; row < symbol->rows; ++row) {
    for (const char module : ZintRow(*symbol, row, width)) qr.modules.push_back(module == '1');
  }
  return qr;
}

std::optional<DataMatrixSymbol> Gs1DataMatrixSymbol(std::string_view joined, const SymbolOptions& options) {
  if (joined.empty()) return std::nullopt;
  // FNC1 first: a leading GS, which the FNC1 property turns into codeword 232.
  const std::string withFnc1 = "\x1D" + std::string(joined);
  return DataMatrixEncode({reinterpret_cast<const std::uint8_t*>(withFnc1.data()), withFnc1.size()}, '\x1D', options);
}

// A GS1 Digital Link URI is checked, then encoded as the plain URI it is:
// scanners resolve it as a web address, so it carries no FNC1.
Result<EncodedSymbol> DigitalLinkSymbol(std::u32string_view data, Encoder encodePlain, const SymbolOptions& options) {
  const Result<std::vector<Gs1Field>> parsed = ParseGs1DigitalLink(data);
  if (!parsed) return Refusal(parsed.refusal);
  return encodePlain(data, {}, options);
}

// The element string as GS1 prints it, drawn under -showtext 1.
void SetTextLine(EncodedSymbol& encoded, const std::vector<Gs1Field>& fields) {
  for (const char c : Gs1HumanReadable(fields)) encoded.text.push_back(char32_t(c));
  encoded.variant = kMatrixTextWhenAsked;
}

// Under -gs1dl the element string is encoded as the Digital Link URI of its fields.
Result<EncodedSymbol> AsDigitalLink(std::u32string_view elementString, Encoder encodePlain,
                                    const SymbolOptions& options) {
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  const Result<std::string> uri = Gs1DigitalLinkUri(options.digitalLinkBase, *parsed);
  if (!uri) return Refusal(uri.refusal);
  const std::u32string wide(uri->begin(), uri->end());
  Result<EncodedSymbol> encoded = DigitalLinkSymbol(wide, encodePlain, options);
  if (encoded) encoded->encoded = elementString;
  return encoded;
}

// GS1 element strings are read as ISO/IEC 646 text; an ECI would tell the
// reader otherwise, and GS1 permits none.
std::optional<Refusal> EciRefusal(const SymbolOptions& options) {
  if (options.eci == kNoEci) return std::nullopt;
  return Refusal("-eci cannot go with a GS1 element string, whose characters GS1 fixes");
}

}  // namespace

Result<EncodedSymbol> EncodeGs1QrCode(std::u32string_view elementString, std::u32string_view,
                                      const SymbolOptions& options) {
  if (IsGs1DigitalLink(elementString)) return DigitalLinkSymbol(elementString, EncodeQrCode, options);
  if (!options.digitalLinkBase.empty()) return AsDigitalLink(elementString, EncodeQrCode, options);
  if (std::optional<Refusal> refusal = EciRefusal(options)) return *refusal;
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  const Result<QrSymbol> symbol = Gs1QrSymbol(*parsed, options);
  if (!symbol) return Refusal(symbol.refusal);
  EncodedSymbol encoded = QrEncodedSymbol(*symbol, QrVariant::kQrCode);
  encoded.encoded = elementString;
  SetTextLine(encoded, *parsed);
  return encoded;
}

Result<EncodedSymbol> EncodeGs1DataMatrix(std::u32string_view elementString, std::u32string_view,
                                          const SymbolOptions& options) {
  if (IsGs1DigitalLink(elementString)) return DigitalLinkSymbol(elementString, EncodeDataMatrix, options);
  if (!options.digitalLinkBase.empty()) return AsDigitalLink(elementString, EncodeDataMatrix, options);
  if (std::optional<Refusal> refusal = EciRefusal(options)) return *refusal;
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  const std::optional<DataMatrixSymbol> symbol = Gs1DataMatrixSymbol(Gs1JoinedFields(*parsed, '\x1D'), options);
  if (!symbol && options.dataMatrixRows != 0) {
    return Refusal("the element string does not fit a " + std::to_string(options.dataMatrixRows) + "x" +
                   std::to_string(options.dataMatrixColumns) + " Data Matrix symbol");
  }
  if (!symbol) return Refusal("the element string is too long for any Data Matrix symbol");
  EncodedSymbol encoded = DataMatrixEncodedSymbol(*symbol);
  encoded.encoded = elementString;
  SetTextLine(encoded, *parsed);
  return encoded;
}

}  // namespace kbc
