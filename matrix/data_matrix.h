// Data Matrix ECC 200 (ISO/IEC 16022), also drawn for CIP, built by libdmtx:
// ASCII encodation only (a digit pair per codeword, Upper Shift for bytes from
// 128), the smallest square symbol that holds the data or the size asked for,
// the standard's padding, Reed-Solomon with block interleaving and the
// standard's module placement. libdmtx writes no ECI, so a symbol with one is
// built by libzint.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoded_symbol.h"

namespace kbc {

// One encoded symbol without a quiet zone: rows × columns modules, row-major,
// top row first, 1 for a dark module; finder and clock patterns included.
struct DataMatrixSymbol {
  int rows = 0;
  int columns = 0;
  std::vector<std::uint8_t> modules;
  std::vector<std::uint8_t> codewords;  // data, padding, then the interleaved error correction
};

// Whether rows × columns is one of the standard's 24 square and 6 rectangular sizes.
bool IsDataMatrixSize(int rows, int columns);

// The symbol of the bytes, or nothing when the largest symbol (144 × 144,
// 1558 data codewords), or the size of the options, cannot hold them. Each
// byte equal to fnc1 (when it is 0..255) is encoded as FNC1.
std::optional<DataMatrixSymbol> DataMatrixEncode(std::span<const std::uint8_t> bytes, int fnc1 = -1,
                                                 const SymbolOptions& options = {});

// The symbol's module grid, 3 × 3 units a module, no quiet zone.
EncodedSymbol DataMatrixEncodedSymbol(const DataMatrixSymbol& symbol);

// The rows' encoder (Data Matrix and CIP): the symbol of the text taken as Mac
// OS Roman, in the size and with the ECI of the options, or why there is none.
Result<EncodedSymbol> EncodeDataMatrix(std::u32string_view data, std::u32string_view addon, const SymbolOptions& options);

}  // namespace kbc
