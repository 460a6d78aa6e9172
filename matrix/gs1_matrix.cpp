#include "matrix/gs1_matrix.h"

#include <dmtx.h>
#include <qrencode.h>

#include <memory>
#include <optional>
#include <string>

#include "linear/gs1_element_string.h"
#include "matrix/data_matrix.h"
#include "matrix/qr_code.h"
#include "platform/library_names.h"
#include "platform/shared_library.h"

namespace kbc {
namespace {

// libqrencode's input interface, the one that can set FNC1 first; opened on
// demand like the rest of the library (see platform/shared_library.h).
struct QrInputLibrary {
  SharedLibrary library{kQrencodeLibrary};
  decltype(QRinput_new2)* create = nullptr;
  decltype(QRinput_append)* append = nullptr;
  decltype(QRinput_setFNC1First)* setFnc1First = nullptr;
  decltype(QRcode_encodeInput)* encode = nullptr;
  decltype(QRinput_free)* freeInput = nullptr;
  decltype(QRcode_free)* freeCode = nullptr;
  bool usable = library.Bind(create, "QRinput_new2") && library.Bind(append, "QRinput_append") &&
                library.Bind(setFnc1First, "QRinput_setFNC1First") && library.Bind(encode, "QRcode_encodeInput") &&
                library.Bind(freeInput, "QRinput_free") && library.Bind(freeCode, "QRcode_free");
};

const QrInputLibrary& QrInput() {
  static const QrInputLibrary library;
  return library;
}

struct QrInputFree {
  void operator()(QRinput* input) const { QrInput().freeInput(input); }
};
struct QrCodeFree {
  void operator()(QRcode* code) const { QrInput().freeCode(code); }
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digit runs long enough to pay for their own segment header go in numeric
// mode (10 bits per 3 digits); the rest in 8-bit mode, where GS stands for FNC1
// (ISO/IEC 18004, 7.4.8.2).
constexpr std::size_t kShortestNumericRun = 8;

bool AppendSegments(const QrInputLibrary& qr, QRinput* input, std::string_view joined) {
  for (std::size_t at = 0; at < joined.size();) {
    std::size_t end = at;
    while (end < joined.size() && IsDigit(joined[end])) ++end;
    const bool numeric = end - at >= kShortestNumericRun;
    if (!numeric) {
      end = at;
      while (end < joined.size()) {
        std::size_t run = end;
        while (run < joined.size() && IsDigit(joined[run])) ++run;
        if (run - end >= kShortestNumericRun) break;
        end = run == end ? end + 1 : run;
      }
    }
    std::string segment(joined.substr(at, end - at));
    if (qr.append(input, numeric ? QR_MODE_NUM : QR_MODE_8, int(segment.size()),
                  reinterpret_cast<const unsigned char*>(segment.data())) != 0) {
      return false;
    }
    at = end;
  }
  return true;
}

std::optional<QrSymbol> Gs1QrSymbol(std::string_view joined) {
  const QrInputLibrary& qr = QrInput();
  if (!qr.usable || joined.empty()) return std::nullopt;
  const std::unique_ptr<QRinput, QrInputFree> input(qr.create(0, QR_ECLEVEL_L));
  if (!input || qr.setFnc1First(input.get()) != 0 || !AppendSegments(qr, input.get(), joined)) return std::nullopt;
  const std::unique_ptr<QRcode, QrCodeFree> code(qr.encode(input.get()));
  if (!code || code->width <= 0) return std::nullopt;
  QrSymbol symbol;
  symbol.width = code->width;
  const std::size_t count = std::size_t(code->width) * std::size_t(code->width);
  symbol.modules.resize(count);
  for (std::size_t i = 0; i < count; ++i) symbol.modules[i] = code->data[i] & 1u;
  return symbol;
}

std::optional<DataMatrixSymbol> Gs1DataMatrixSymbol(std::string_view joined) {
  if (joined.empty()) return std::nullopt;
  // FNC1 first: a leading GS, which the FNC1 property turns into codeword 232.
  const std::string withFnc1 = "\x1D" + std::string(joined);
  return DataMatrixEncode({reinterpret_cast<const std::uint8_t*>(withFnc1.data()), withFnc1.size()}, '\x1D');
}

}  // namespace

Result<EncodedSymbol> EncodeGs1QrCode(std::u32string_view elementString, std::u32string_view) {
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  const std::optional<QrSymbol> symbol = Gs1QrSymbol(Gs1JoinedFields(*parsed, '\x1D'));
  // libqrencode 4.1.1 rejects its own FNC1-first header (a zero-length entry), so
  // every GS1 QR Code fails there until it is built another way.
  if (!symbol) {
    return Refusal("GS1 QR Code cannot be made with this libqrencode (it refuses FNC1 in first position)");
  }
  EncodedSymbol encoded = QrEncodedSymbol(*symbol, QrVariant::kQrCode);
  encoded.encoded = elementString;
  return encoded;
}

Result<EncodedSymbol> EncodeGs1DataMatrix(std::u32string_view elementString, std::u32string_view) {
  const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(elementString);
  if (!parsed) return Refusal(parsed.refusal);
  const std::optional<DataMatrixSymbol> symbol = Gs1DataMatrixSymbol(Gs1JoinedFields(*parsed, '\x1D'));
  if (!symbol) return Refusal("the element string is too long for any Data Matrix symbol");
  EncodedSymbol encoded = DataMatrixEncodedSymbol(*symbol);
  encoded.encoded = elementString;
  return encoded;
}

}  // namespace kbc
