#include "matrix/data_matrix.h"

#include <dmtx.h>

#include <memory>

#include "platform/library_names.h"
#include "platform/shared_library.h"
#include "text/mac_roman.h"

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

constexpr std::int64_t kModuleUnits = 3;  // units a module takes across and up

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

EncodedSymbol DataMatrixEncodedSymbol(const DataMatrixSymbol& symbol) {
  EncodedSymbol encoded;
  encoded.width = kModuleUnits * std::int64_t(symbol.side);
  encoded.height = double(encoded.width);
  ModuleGrid& grid = encoded.grid;
  grid.columns = std::size_t(symbol.side);
  grid.rows = std::size_t(symbol.side);
  grid.moduleWidth = kModuleUnits;
  grid.moduleHeight = kModuleUnits;
  grid.modules.reserve(symbol.modules.size());
  for (const std::uint8_t module : symbol.modules) grid.modules.push_back(module ? '1' : '0');
  return encoded;
}

Result<EncodedSymbol> EncodeDataMatrix(std::u32string_view data, std::u32string_view) {
  const std::optional<std::string> bytes = EncodeMacRoman(data);
  if (!bytes) return Refusal("Data Matrix data must be Mac OS Roman text");
  const std::optional<DataMatrixSymbol> symbol =
      DataMatrixEncode({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  if (!symbol) {
    return Refusal("the data is too long for any Data Matrix symbol (" + std::to_string(bytes->size()) +
                                  " bytes; the largest holds 3116 digits or 1558 other characters)");
  }
  EncodedSymbol encoded = DataMatrixEncodedSymbol(*symbol);
  encoded.encoded = data;
  return encoded;
}

}  // namespace kbc
