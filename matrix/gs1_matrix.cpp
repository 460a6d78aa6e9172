#include "matrix/gs1_matrix.h"

#include <optional>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "linear/gs1_digital_link.h"
#include "linear/gs1_element_string.h"
#include "matrix/data_matrix.h"
#include "matrix/qr_code.h"
#include "matrix/zint_library.h"

namespace kbc {
namespace {

constexpr int kQrLevelL = 1;  // libzint's option_1 for level L, as plain QR Code uses

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
Result<QrSymbol> Gs1QrSymbol(const std::vector<Gs1Field>& fields) {
  if (!Zint().usable) return Refusal("GS1 QR Code needs libzint, which could not be opened");
  const ZintSymbolHandle symbol(Zint().create());
  if (!symbol) return Refusal("GS1 QR Code could not be encoded (out of memory)");
  symbol->symbology = BARCODE_QRCODE;
  symbol->input_mode = GS1_MODE | GS1NOCHECK_MODE;
  symbol->option_1 = kQrLevelL;
  const std::string input = ZintGs1Input(fields);
  const int status =
      Zint().encode(symbol.get(), reinterpret_cast<const unsigned char*>(input.data()), int(input.size()));
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

std::optional<DataMatrixSymbol> Gs1DataMatrixSymbol(std::string_view joined) {
  if (joined.empty()) return std::nullopt;
  // FNC1 first: a leading GS, which the FNC1 property turns into codeword 232.
  const std::string withFnc1 = "\x1D" + std::string(joined);
  return DataMatrixEncode({reinterpret_cast<const std::uint8_t*>(withFnc1.data()), withFnc1.size()}, '\x1D');
}

// A GS1 Digital Link URI is checked, then encoded as the plain URI it is:
// scanners resolve it as a web address, so it carries no FNC1.
Result<EncodedSymbol> DigitalLinkSymbol(std::u32string_view data, Encoder encodePlain) {
  const Result<std::vector<Gs1Field>> parsed = ParseGs1DigitalLink(data);
  if (!parsed) return Refusal(parsed.refusal);
  return encodePlain(data, {});
}

}  // namespace

Result<EncodedSymbol> EncodeGs1QrCode(std::u32string_view elementString, std::u32string_view) {
  if (IsGs1DigitalLink(elementString)) return DigitalLinkSymbol(elementString, EncodeQrCode);
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  const Result<QrSymbol> symbol = Gs1QrSymbol(*parsed);
  if (!symbol) return Refusal(symbol.refusal);
  EncodedSymbol encoded = QrEncodedSymbol(*symbol, QrVariant::kQrCode);
  encoded.encoded = elementString;
  return encoded;
}

Result<EncodedSymbol> EncodeGs1DataMatrix(std::u32string_view elementString, std::u32string_view) {
  if (IsGs1DigitalLink(elementString)) return DigitalLinkSymbol(elementString, EncodeDataMatrix);
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  const std::optional<DataMatrixSymbol> symbol = Gs1DataMatrixSymbol(Gs1JoinedFields(*parsed, '\x1D'));
  if (!symbol) return Refusal("the element string is too long for any Data Matrix symbol");
  EncodedSymbol encoded = DataMatrixEncodedSymbol(*symbol);
  encoded.encoded = elementString;
  return encoded;
}

}  // namespace kbc
