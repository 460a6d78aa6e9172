// The ZPL II graphic field (^GF) of a one-bit image: the printer's own
// bitmap format, compressed for the wire or in plain hexadecimal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace kbc {

// Rows of dots from the top, eight to a byte with the leftmost in the high
// bit; 1 prints. A row's last byte is padded with 0 (no dot).
struct PackedDots {
  int bytesPerRow = 0;
  int rows = 0;
  std::vector<std::uint8_t> bytes;
};

enum class GraphicEncoding : std::uint8_t { Z64, Hex };

// "^GFA,b,c,d,data": b and c are the unpacked byte count (the printer's
// memory for the graphic, whatever the encoding), d the bytes of a row.
Result<std::string> GraphicField(const PackedDots& dots, GraphicEncoding encoding);

// The MIME Base64 of the bytes, padded, in one line.
std::string Base64(std::string_view bytes);

// CRC-16/CCITT (polynomial 0x1021, initial value 0, no reflection): the check
// ZPL puts after the Base64 text of a Z64 field.
std::uint16_t ZplCrc16(std::string_view text);

}  // namespace kbc
