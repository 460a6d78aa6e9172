// Deflate data for image rows, written here rather than by zlib: a barcode's
// rows are runs of a few colours that mostly repeat the row above, so the only
// matches worth looking for are one pixel back and one row back. Looking at
// just those two places, and coding with the fixed Huffman codes, costs a
// small fraction of zlib's hashing and code-tree building on a label; the data
// comes out somewhat larger on labels with text, smaller on plain bars.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kbc {

// One final deflate block (raw, without the zlib header and checksum) holding
// `bytes`, which are rows of `rowStride` bytes of pixels `pixelBytes` wide.
std::string DeflateRows(std::span<const std::uint8_t> bytes, std::size_t rowStride, std::size_t pixelBytes);

}  // namespace kbc
