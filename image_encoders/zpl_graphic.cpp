// The encodings are those of the ZPL II Programming Guide (45541L-004 Rev. A),
// "^GF Graphic Field" and "ZB64 Encoding and Compression": a Z64 field is
// ":Z64:" + Base64 of the compressed bytes + ":" + four hexadecimal digits of
// a CRC over that Base64 text. The guide's "LZ77" is the zlib format (RFC
// 1950, header and Adler-32 included) and its CRC is CRC-16/CCITT started at
// 0, as the printers' own encoders write it; a field Zebra's tools wrote
// (BinaryKits.Zpl discussion #178, CRC D069) checks out with both.
#include "image_encoders/zpl_graphic.h"

#include <zlib.h>


namespace kbc {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// A small two-colour image compresses as well at zlib's fastest level as at
// its best, and a batch of labels spends its time here.
constexpr int kLevel = 1;

Result<std::string> Compressed(const std::vector<std::uint8_t>& bytes) {
  uLongf size = compressBound(uLong(bytes.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, bytes.data(), uLong(bytes.size()), kLevel) != Z_OK) {
    return Refusal("zlib could not compress the graphic");
  }
  out.resize(size);
  return out;
}

std::string Hexadecimal(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const std::uint8_t byte : bytes) {
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0xF];
  }
  return text;
}

}  // namespace

std::string Base64(std::string_view bytes) {
  constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    std::uint32_t group = std::uint32_t(std::uint8_t(bytes[i])) << 16;
    if (left > 1) group |= std::uint32_t(std::uint8_t(bytes[i + 1])) << 8;
    if (left > 2) group |= std::uint8_t(bytes[i + 2]);
    text += kAlphabet[(group >> 18) & 63];
    text += kAlphabet[(group >> 12) & 63];
    text += left > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    text += left > 2 ? kAlphabet[group & 63] : '=';
  }
  return text;
}

std::uint16_t ZplCrc16(std::string_view text) {
  std::uint16_t crc = 0;
  for (const char c : text) {
    crc ^= std::uint16_t(std::uint8_t(c) << 8);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x8000) != 0 ? std::uint16_t((crc << 1) ^ 0x1021) : std::uint16_t(crc << 1);
  }
  return crc;
}

Result<std::string> GraphicField(const PackedDots& dots, GraphicEncoding encoding) {
  const std::string count = std::to_string(dots.bytes.size());
  std::string field = "^GFA," + count + "," + count + "," + std::to_string(dots.bytesPerRow) + ",";
  if (encoding == GraphicEncoding::Hex) return field + Hexadecimal(dots.bytes);
  const Result<std::string> compressed = Compressed(dots.bytes);
  if (!compressed) return Refusal(compressed.refusal);
  const std::string text = Base64(*compressed);
  const std::uint16_t crc = ZplCrc16(text);
  field.append(":Z64:").append(text).append(":");
  for (int shift = 12; shift >= 0; shift -= 4) field += kHexDigits[(crc >> shift) & 0xF];
  return field;
}

}  // namespace kbc
