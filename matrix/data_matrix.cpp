#include "matrix/data_matrix.h"

#include <dmtx.h>

#include <array>
#include <memory>

#include "matrix/zint_library.h"
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

struct SymbolSize {
  int rows = 0;
  int columns = 0;
};

// ISO/IEC 16022 Table 7: the sizes, squares then rectangles, in the order of
// libdmtx's size requests (from 0) and libzint's option_2 (from 1).
constexpr std::array<SymbolSize, 30> kSizes = {{
    {10, 10},   {12, 12},   {14, 14},   {16, 16}, {18, 18}, {20, 20}, {22, 22}, {24, 24}, {26, 26}, {32, 32},  // 0-9
    {36, 36},   {40, 40},   {44, 44},   {48, 48}, {52, 52}, {64, 64}, {72, 72}, {80, 80}, {88, 88}, {96, 96},  // 10-19
    {104, 104}, {120, 120}, {132, 132}, {144, 144}, {8, 18}, {8, 32}, {12, 26}, {12, 36}, {16, 36}, {16, 48},  // 20-29
}};

// The size's index in kSizes; -1 for no size of the standard's.
int SizeIndex(int rows, int columns) {
  for (std::size_t i = 0; i < kSizes.size(); ++i) {
    if (kSizes[i].rows == rows && kSizes[i].columns == columns) return int(i);
  }
  return -1;
}

// -1 when the options ask for no size.
int SizeIndex(const SymbolOptions& options) { return SizeIndex(options.dataMatrixRows, options.dataMatrixColumns); }

// A size asked for is kept or the data refused, whichever library grows a symbol.
bool HasSizeAskedFor(const DataMatrixSymbol& symbol, int size) {
  if (size < 0) return symbol.rows == symbol.columns;
  return symbol.rows == kSizes[std::size_t(size)].rows && symbol.columns == kSizes[std::size_t(size)].columns;
}

// libzint's symbol: its modules, and its codewords left empty (libzint does
// not hand them out).
std::optional<DataMatrixSymbol> ZintDataMatrix(std::span<const std::uint8_t> bytes, const SymbolOptions& options) {
  if (!Zint().usable) return std::nullopt;
  const ZintSymbolHandle symbol(Zint().create());
  if (!symbol) return std::nullopt;
  symbol->symbology = BARCODE_DATAMATRIX;
  symbol->input_mode = DATA_MODE;
  symbol->eci = options.eci;
  const int size = SizeIndex(options);
  if (size >= 0) {
    symbol->option_2 = size + 1;
  } else {
    symbol->option_3 = DM_SQUARE;
  }
  if (Zint().encode(symbol.get(), bytes.data(), int(bytes.size())) >= ZINT_ERROR) return std::nullopt;
  DataMatrixSymbol encoded;
  encoded.rows = symbol->rows;
  encoded.columns = symbol->width;
  if (encoded.rows <= 0 || encoded.columns <= 0 || !HasSizeAskedFor(encoded, size)) return std::nullopt;
  for (int row = 0; row < encoded.rows; ++row) {
    for (const char module : ZintRow(*symbol, row, std::size_t(encoded.columns))) {
      encoded.modules.push_back(module == '1' ? 1 : 0);
    }
  }
  return encoded;
}

}  // namespace

bool IsDataMatrixSize(int rows, int columns) {
  return SizeIndex(rows, columns) >= 0;
}

std::optional<DataMatrixSymbol> DataMatrixEncode(std::span<const std::uint8_t> bytes, int fnc1,
                                                 const SymbolOptions& options) {
  if (bytes.empty() || bytes.size() > kMostInputBytes) return std::nullopt;
  if (options.eci != kNoEci) return ZintDataMatrix(bytes, options);
  const DmtxLibrary& dmtx = Dmtx();
  if (!dmtx.usable) return std::nullopt;
  const EncoderHandle encoder(dmtx.create());
  if (!encoder) return std::nullopt;
  dmtx.setProp(encoder.get(), DmtxPropScheme, DmtxSchemeAscii);
  if (fnc1 >= 0) dmtx.setProp(encoder.get(), DmtxPropFnc1, fnc1);
  const int size = SizeIndex(options);
  dmtx.setProp(encoder.get(), DmtxPropSizeRequest, size >= 0 ? size : DmtxSymbolSquareAuto);
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
  if (rows <= 0 || columns <= 0 || !image || image->width != columns || image->height != rows) return std::nullopt;

  DataMatrixSymbol symbol;
  symbol.rows = rows;
  symbol.columns = columns;
  if (!HasSizeAskedFor(symbol, size)) return std::nullopt;
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
  encoded.width = kModuleUnits * std::int64_t(symbol.columns);
  encoded.height = double(kModuleUnits * std::int64_t(symbol.rows));
  ModuleGrid& grid = encoded.grid;
  grid.columns = std::size_t(symbol.columns);
  grid.rows = std::size_t(symbol.rows);
  grid.moduleWidth = kModuleUnits;
  grid.moduleHeight = kModuleUnits;
  grid.modules.reserve(symbol.modules.size());
  for (const std::uint8_t module : symbol.modules) grid.modules.push_back(module ? '1' : '0');
  return encoded;
}

Result<EncodedSymbol> EncodeDataMatrix(std::u32string_view data, std::u32string_view, const SymbolOptions& options) {
  const std::optional<std::string> bytes = EncodeMacRoman(data);
  if (!bytes) return Refusal("Data Matrix data must be Mac OS Roman text");
  const std::optional<DataMatrixSymbol> symbol =
      DataMatrixEncode({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()}, -1, options);
  if (!symbol && options.dataMatrixRows != 0) {
    return Refusal("the data does not fit a " + std::to_string(options.dataMatrixRows) + "x" +
                   std::to_string(options.dataMatrixColumns) + " Data Matrix symbol (" + std::to_string(bytes->size()) +
                   " bytes)");
  }
  if (!symbol) {
    return Refusal("the data is too long for any Data Matrix symbol (" + std::to_string(bytes->size()) +
                                  " bytes; the largest holds 3116 digits or 1558 other characters)");
  }
  EncodedSymbol encoded = DataMatrixEncodedSymbol(*symbol);
  encoded.encoded = data;
  return encoded;
}

}  // namespace kbc
