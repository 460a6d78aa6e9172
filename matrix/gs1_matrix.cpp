#include "matrix/gs1_matrix.h"

#include <dmtx.h>
#include <qrencode.h>

#include <memory>
#include <string>

#include "linear/gs1_element_string.h"
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

std::string Joined(std::u32string_view elementString) {
  const Gs1ElementString parsed = ParseGs1ElementString(elementString);
  if (!parsed.refusal.empty()) return {};
  return Gs1JoinedFields(parsed.fields, '\x1D');
}

}  // namespace

std::optional<QrSymbol> EncodeGs1QrSymbol(std::string_view joined) {
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

std::optional<DataMatrixSymbol> EncodeGs1DataMatrix(std::string_view joined) {
  if (joined.empty()) return std::nullopt;
  // FNC1 first: a leading GS, which the FNC1 property turns into codeword 232.
  const std::string withFnc1 = "\x1D" + std::string(joined);
  return DataMatrixEncode({reinterpret_cast<const std::uint8_t*>(withFnc1.data()), withFnc1.size()}, '\x1D');
}

MatrixSize Gs1QrSize(std::u32string_view elementString) {
  const std::optional<QrSymbol> symbol = EncodeGs1QrSymbol(Joined(elementString));
  const std::size_t side = symbol ? std::size_t(symbol->width + 2 * QrQuietZone(QrVariant::kQrCode)) : 0;
  return {side, side};
}

void Gs1QrModules(std::u32string_view elementString, ModuleString& out) {
  out.clear();
  const std::optional<QrSymbol> symbol = EncodeGs1QrSymbol(Joined(elementString));
  if (!symbol) return;
  const std::size_t margin = std::size_t(QrQuietZone(QrVariant::kQrCode));
  const std::size_t width = std::size_t(symbol->width);
  const std::size_t side = width + 2 * margin;
  out.assign(side * side, '0');
  for (std::size_t row = 0; row < width; ++row) {
    for (std::size_t column = 0; column < width; ++column) {
      if (symbol->modules[row * width + column]) out[(row + margin) * side + margin + column] = '1';
    }
  }
}

MatrixSize Gs1DataMatrixSize(std::u32string_view elementString) {
  const std::optional<DataMatrixSymbol> symbol = EncodeGs1DataMatrix(Joined(elementString));
  const std::size_t side = symbol ? std::size_t(symbol->side) : 0;
  return {side, side};
}

void Gs1DataMatrixModules(std::u32string_view elementString, ModuleString& out) {
  out.clear();
  const std::optional<DataMatrixSymbol> symbol = EncodeGs1DataMatrix(Joined(elementString));
  if (!symbol) return;
  for (const std::uint8_t module : symbol->modules) out.push_back(module ? '1' : '0');
}

}  // namespace kbc
