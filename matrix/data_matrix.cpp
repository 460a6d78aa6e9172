#include "matrix/data_matrix.h"

#include <dmtx.h>

#include <memory>

#include "platform/library_names.h"
#include "platform/mac_roman.h"
#include "platform/shared_library.h"

namespace kbc {
namespace {

// libdmtx's functions, linked in or opened on demand (see platform/shared_library.h).
struct DmtxLibrary {
  SharedLibrary library{OpenedInPackagedBuild(kDmtxLibrary)};
  decltype(dmtxEncodeCreate)* create = nullptr;
  decltype(dmtxEncodeDestroy)* destroy = nullptr;
  decltype(dmtxEncodeSetProp)* setProp = nullptr;
  decltype(dmtxEncodeDataMatrix)* encode = nullptr;
  decltype(dmtxGetSymbolAttribute)* symbolAttribute = nullptr;
  decltype(dmtxImageGetByteOffset)* byteOffset = nullptr;
  bool usable = KBC_BIND_LINKED(library, create, dmtxEncodeCreate) &&
                KBC_BIND_LINKED(library, destroy, dmtxEncodeDestroy) &&
                KBC_BIND_LINKED(library, setProp, dmtxEncodeSetProp) &&
                KBC_BIND_LINKED(library, encode, dmtxEncodeDataMatrix) &&
                KBC_BIND_LINKED(library, symbolAttribute, dmtxGetSymbolAttribute) &&
                KBC_BIND_LINKED(library, byteOffset, dmtxImageGetByteOffset);
};

const DmtxLibrary& Dmtx() {
  static const DmtxLibrary library;
  return library;
}

struct EncoderFree {
  void operator()(DmtxEncode* encoder) const { Dmtx().destroy(&encoder); }
};
using EncoderHandle = std::unique_ptr<DmtxEncode, EncoderFree>;

// The largest symbol holds 1558 codewords, two digits each at best; longer
// data is refused before the library sees it.
constexpr std::size_t kMostInputBytes = 3116;

}  // namespace

std::optional<DataMatrixSymbol> DataMatrixEncode(std::span<const std::uint8_t> bytes, int fnc1) {
  const DmtxLibrary& dmtx = Dmtx();
  if (!dmtx.usable || bytes.empty() || bytes.size() > kMostInputBytes) return std::nullopt;
  const EncoderHandle encoder(dmtx.create());
  if (!encoder) return std::nullopt;
  dmtx.setProp(encoder.get(), DmtxPropScheme, DmtxSchemeAscii);
  if (fnc1 >= 0) dmtx.setProp(encoder.get(), DmtxPropFnc1, fnc1);
  dmtx.setProp(encoder.get(), DmtxPropSizeRequest, DmtxSymbolSquareAuto);
  // The library also draws an image: with one grey pixel per module and no
  // margin, its pixels are the modules, read more cheaply than module by module.
  dmtx.setProp(encoder.get(), DmtxPropMarginSize, 0);
  dmtx.setProp(encoder.get(), DmtxPropModuleSize, 1);
  dmtx.setProp(encoder.get(), DmtxPropPixelPacking, DmtxPack8bppK);
  // The library reads the buffer only; its interface predates const.
  std::vector<unsigned char> input(bytes.begin(), bytes.end());
  if (dmtx.encode(encoder.get(), int(input.size()), input.data()) == DmtxFail) return std::nullopt;

  const int sizeIndex = encoder->region.sizeIdx;
  const int rows = dmtx.symbolAttribute(DmtxSymAttribSymbolRows, sizeIndex);
  const int columns = dmtx.symbolAttribute(DmtxSymAttribSymbolCols, sizeIndex);
  const DmtxImage* image = encoder->image;
  if (rows <= 0 || rows != columns || !image || image->width != columns || image->height != rows) return std::nullopt;

  DataMatrixSymbol symbol;
  symbol.side = rows;
  symbol.modules.reserve(std::size_t(rows) * std::size_t(columns));
  // The library counts rows from the bottom, and draws dark modules black on
  // white; a row's pixels lie side by side from its first one.
  for (int row = rows - 1; row >= 0; --row) {
    const int first = dmtx.byteOffset(const_cast<DmtxImage*>(image), 0, row);
    if (first < 0) return std::nullopt;
    const unsigned char* pixel = image->pxl + first;
    for (int column = 0; column < columns; ++column, pixel += image->bytesPerPixel) {
      symbol.modules.push_back(*pixel < 128 ? 1 : 0);
    }
  }
  const DmtxMessage& message = *encoder->message;
  symbol.codewords.assign(message.code, message.code + message.codeSize);
  return symbol;
}

namespace {

// A run asks for the same data's symbol up to four times (the writer's and the
// placement's data checks, the renderer's size query and its module string); the
// last symbol is kept per thread, keyed by the whole input, so it is built once.
struct LastEncoding {
  bool filled = false;
  std::u32string data;
  std::optional<DataMatrixSymbol> symbol;
};

const std::optional<DataMatrixSymbol>& MemoisedSymbol(std::u32string_view data) {
  thread_local LastEncoding last;
  if (!last.filled || last.data != data) {
    const std::optional<std::string> bytes = EncodeMacRoman(data);
    last.symbol = bytes ? DataMatrixEncode({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()})
                        : std::nullopt;
    last.data = data;
    last.filled = true;
  }
  return last.symbol;
}

}  // namespace

int DataMatrixSymbolSide(std::u32string_view data) {
  const std::optional<DataMatrixSymbol>& symbol = MemoisedSymbol(data);
  return symbol ? symbol->side : 0;
}

void DataMatrixModuleString(std::u32string_view data, std::string& out) {
  out.clear();
  const std::optional<DataMatrixSymbol>& symbol = MemoisedSymbol(data);
  if (!symbol) return;
  out.reserve(symbol->modules.size());
  for (std::uint8_t module : symbol->modules) out.push_back(module ? '1' : '0');
}

}  // namespace kbc
