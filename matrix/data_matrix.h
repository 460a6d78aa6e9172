// Data Matrix ECC 200 (ISO/IEC 16022), also drawn for CIP, built by libdmtx:
// ASCII encodation only (a digit pair per codeword, Upper Shift for bytes from
// 128), the smallest square symbol that holds the data, the standard's padding,
// Reed-Solomon with block interleaving and the standard's module placement.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kbc {

// One encoded symbol without a quiet zone: side × side modules, row-major, top
// row first, 1 for a dark module; finder and clock patterns included.
struct DataMatrixSymbol {
  int side = 0;
  std::vector<std::uint8_t> modules;
  std::vector<std::uint8_t> codewords;  // data, padding, then the interleaved error correction
};

// The symbol of the bytes, or nothing when the largest symbol (144 × 144,
// 1558 data codewords) cannot hold them. Each byte equal to fnc1 (when it is
// 0..255) is encoded as FNC1.
std::optional<DataMatrixSymbol> DataMatrixEncode(std::span<const std::uint8_t> bytes, int fnc1 = -1);

// The two answers below share the run's last encoding: asking both, or asking
// again for the same data, encodes it once. The text is taken as Mac OS Roman.

// Modules per side of the symbol; 0 when the data cannot be encoded (too long,
// or a character without a Mac OS Roman byte), so the data check refuses it.
int DataMatrixSymbolSide(std::u32string_view data);

// Replaces out with the symbol's module string, '1' dark and '0' light, top row
// first; left empty when the data cannot be encoded.
void DataMatrixModuleString(std::u32string_view data, std::string& out);

}  // namespace kbc
