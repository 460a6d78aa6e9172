// libzint, opened by the first run that needs it: the DataBar symbols and GS1
// QR Code. It only encodes; the module grid it leaves in the symbol is drawn by
// our own renderers.
#pragma once

#include <zint.h>

#include <memory>
#include <string>

#include "platform/shared_library.h"

namespace kbc {

// libzint links libpng and zlib of its own: opened only by the runs that
// encode through it, it costs the others nothing.
struct ZintLibrary {
  SharedLibrary library;
  decltype(ZBarcode_Create)* create = nullptr;
  decltype(ZBarcode_Encode)* encode = nullptr;
  decltype(ZBarcode_Delete)* release = nullptr;
  bool usable = library.Bind(create, "ZBarcode_Create") && library.Bind(encode, "ZBarcode_Encode") &&
                library.Bind(release, "ZBarcode_Delete");

  ZintLibrary();
};

const ZintLibrary& Zint();

struct ZintSymbolDelete {
  void operator()(zint_symbol* symbol) const { Zint().release(symbol); }
};
using ZintSymbolHandle = std::unique_ptr<zint_symbol, ZintSymbolDelete>;

// The library's message without its "Error NNN: " prefix.
std::string ZintMessage(const zint_symbol& symbol);

// One row of the encoded symbol, `width` modules: '1' dark, '0' light.
std::string ZintRow(const zint_symbol& symbol, int row, std::size_t width);

}  // namespace kbc
