// PNG written here: the container is a handful of chunks, and writing it
// lets the compression be fitted to barcodes. An image of at most 256
// colours, as nearly every barcode is, is written as indices into an RGB
// palette at the smallest bit depth that holds them: a third to a
// twenty-fourth of the bytes to compress, and the same RGB pixels decoded.
// Rows are left unfiltered, their runs of bars as they are; the deflate data
// takes runs and repeated rows as matches one pixel and one row back
// (image_encoders/row_deflate.h). zlib supplies the checksums.
#include <zlib.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

#include "image_encoders/png_encoder.h"
#include "image_encoders/row_deflate.h"

namespace kbc {
namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
constexpr std::uint8_t kFilterNone = 0;

void AppendBigEndian(std::string& bytes, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(char((value >> shift) & 0xFF));
}

// Length, type, data and the CRC of type and data.
void AppendChunk(std::string& png, std::string_view type, std::string_view data) {
  AppendBigEndian(png, std::uint32_t(data.size()));
  const std::size_t typeStart = png.size();
  png.append(type);
  png.append(data);
  const auto* checked = reinterpret_cast<const Bytef*>(png.data() + typeStart);
  AppendBigEndian(png, std::uint32_t(crc32(crc32(0, nullptr, 0), checked, uInt(png.size() - typeStart))));
}

// The rows as they go into the zlib stream, each after its filter byte.
struct PngRows {
  std::unique_ptr<std::uint8_t[]> stream;
  std::size_t streamSize = 0;
  std::string palette;  // RGB triples, in the order the colours first appear; empty: RGB rows
  int bitDepth = 8;
  std::size_t rowBytes = 0;
  std::size_t Stride() const { return rowBytes + 1; }
};

constexpr std::uint8_t kColourTypeRgb = 2;
constexpr std::uint8_t kColourTypeIndexed = 3;

std::string HeaderData(const BitmapView& bitmap, const PngRows& rows) {
  std::string data;
  AppendBigEndian(data, std::uint32_t(bitmap.width));
  AppendBigEndian(data, std::uint32_t(bitmap.height));
  data.push_back(char(rows.bitDepth));
  data.push_back(char(rows.palette.empty() ? kColourTypeRgb : kColourTypeIndexed));
  data += std::string_view("\x00\x00\x00", 3);  // deflate, adaptive filters, no interlace
  return data;
}

// Colours seen so far and their indices: open addressing over a table four
// times the largest palette, so a probe rarely goes past its first slot.
class ColourIndex {
 public:
  static constexpr std::size_t kMaxColours = 256;

  // The colour's index, or -1 once the image holds more colours than a palette can.
  int IndexOf(std::uint32_t rgb) {
    std::size_t slot = (rgb * 2654435761u) >> 22;
    while (keys_[slot] != kEmpty && keys_[slot] != rgb) slot = (slot + 1) % keys_.size();
    if (keys_[slot] == kEmpty) {
      if (palette_.size() == 3 * kMaxColours) return -1;
      keys_[slot] = rgb;
      values_[slot] = std::uint8_t(palette_.size() / 3);
      palette_ += {char(rgb >> 16), char(rgb >> 8), char(rgb)};
    }
    return values_[slot];
  }
  std::string& Palette() { return palette_; }

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;  // no 24-bit colour
  std::array<std::uint32_t, 4 * kMaxColours> keys_ = MakeEmpty();
  std::array<std::uint8_t, 4 * kMaxColours> values_{};
  std::string palette_;

  static std::array<std::uint32_t, 4 * kMaxColours> MakeEmpty() {
    std::array<std::uint32_t, 4 * kMaxColours> keys;
    keys.fill(kEmpty);
    return keys;
  }
};

int BitDepthFor(std::size_t colours) { return colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8; }

PngRows Allocated(std::size_t rowBytes, int bitDepth, int height) {
  PngRows rows;
  rows.rowBytes = rowBytes;
  rows.bitDepth = bitDepth;
  rows.streamSize = rows.Stride() * std::size_t(height);
  rows.stream = std::make_unique_for_overwrite<std::uint8_t[]>(rows.streamSize);
  return rows;
}

// The bitmap's own RGB rows, for an image of more than 256 colours.
PngRows RgbRows(const BitmapView& bitmap) {
  PngRows rows = Allocated(std::size_t(bitmap.width) * 3, 8, bitmap.height);
  for (std::size_t y = 0; y < std::size_t(bitmap.height); ++y) {
    std::uint8_t* out = rows.stream.get() + y * rows.Stride();
    out[0] = kFilterNone;
    std::copy_n(bitmap.pixels.data() + y * rows.rowBytes, rows.rowBytes, out + 1);
  }
  return rows;
}

// How many pixels from `x` on repeat the pixel before them, up to the row's
// end: a run of one colour is each byte equal to the one three before it,
// compared eight bytes at a time.
std::size_t RepeatedPixels(const std::uint8_t* row, std::size_t x, std::size_t width) {
  const std::uint8_t* at = row + 3 * x;
  const std::size_t limit = 3 * (width - x);
  std::size_t length = 0;
  for (; length + 8 <= limit; length += 8) {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    std::memcpy(&a, at + length, 8);
    std::memcpy(&b, at + length - 3, 8);
    if (a != b) return (length + std::size_t(std::countr_zero(a ^ b) / 8)) / 3;
  }
  while (length < limit && at[length] == at[length - 3]) ++length;
  return length / 3;
}

// One row of indices packed at `kBits` bits: the leftmost pixel takes a
// byte's highest bits, and a row's last byte is filled with zero bits.
template <int kBits>
void PackIndices(const std::uint8_t* in, std::size_t width, std::uint8_t* out) {
  constexpr std::size_t kPerByte = 8 / kBits;
  std::size_t x = 0;
  for (; x + kPerByte <= width; x += kPerByte) {
    unsigned byte = 0;
    for (std::size_t i = 0; i < kPerByte; ++i) byte = byte << kBits | in[x + i];
    *out++ = std::uint8_t(byte);
  }
  if (x == width) return;
  unsigned byte = 0;
  for (std::size_t i = 0; i < kPerByte; ++i) byte = byte << kBits | (x + i < width ? in[x + i] : 0u);
  *out = std::uint8_t(byte);
}

// The palette and the packed indices, or RGB rows when the image has more
// than 256 colours. A row equal to the one above is copied, not looked up,
// and a run of one colour is looked up and stored at once.
PngRows IndexedRows(const BitmapView& bitmap) {
  static_assert(std::endian::native == std::endian::little,
                "RepeatedPixels reads the first differing byte as the lowest");
  const std::size_t width = std::size_t(bitmap.width);
  const std::size_t rgbBytes = width * 3;
  const auto indices = std::make_unique_for_overwrite<std::uint8_t[]>(width * std::size_t(bitmap.height));
  ColourIndex index;
  const std::uint8_t* pixels = bitmap.pixels.data();
  for (int y = 0; y < bitmap.height; ++y) {
    const std::uint8_t* row = pixels + std::size_t(y) * rgbBytes;
    std::uint8_t* out = indices.get() + std::size_t(y) * width;
    if (y > 0 && std::equal(row, row + rgbBytes, row - rgbBytes)) {
      std::copy_n(out - width, width, out);
      continue;
    }
    std::uint32_t last = 0xFFFFFFFF;
    int lastIndex = 0;
    for (std::size_t x = 0; x < width;) {
      const std::uint8_t* pixel = row + 3 * x;
      const std::uint32_t rgb = std::uint32_t(pixel[0]) << 16 | std::uint32_t(pixel[1]) << 8 | pixel[2];
      if (rgb != last) {
        lastIndex = index.IndexOf(rgb);
        if (lastIndex < 0) return RgbRows(bitmap);
        last = rgb;
      }
      // Antialiased text changes colour nearly every pixel: only a pixel
      // repeated by the next one starts the search for a run's end.
      if (x + 1 < width && std::equal(pixel, pixel + 3, pixel + 3)) {
        const std::size_t run = 1 + RepeatedPixels(row, x + 1, width);
        std::fill_n(out + x, run, std::uint8_t(lastIndex));
        x += run;
      } else {
        out[x++] = std::uint8_t(lastIndex);
      }
    }
  }
  const int bitDepth = BitDepthFor(index.Palette().size() / 3);
  PngRows rows = Allocated((width * std::size_t(bitDepth) + 7) / 8, bitDepth, bitmap.height);
  rows.palette = std::move(index.Palette());
  for (int y = 0; y < bitmap.height; ++y) {
    const std::uint8_t* in = indices.get() + std::size_t(y) * width;
    std::uint8_t* out = rows.stream.get() + std::size_t(y) * rows.Stride();
    if (y > 0 && std::equal(in, in + width, in - width)) {
      std::copy_n(out - rows.Stride(), rows.Stride(), out);
      continue;
    }
    *out++ = kFilterNone;
    switch (bitDepth) {
      case 1: PackIndices<1>(in, width, out); break;
      case 2: PackIndices<2>(in, width, out); break;
      case 4: PackIndices<4>(in, width, out); break;
      default: std::copy_n(in, width, out); break;
    }
  }
  return rows;
}

std::string ResolutionData(int dotsPerInch) {
  const auto perMetre = std::uint32_t(std::lround(dotsPerInch / 0.0254));
  std::string data;
  AppendBigEndian(data, perMetre);
  AppendBigEndian(data, perMetre);
  data.push_back(1);  // unit: the metre
  return data;
}

// The smallest deflate window (2^9 to 2^15 bytes) that spans the whole
// stream, as the zlib header states it.
int WindowBits(std::size_t filteredSize) {
  int bits = 9;
  while (bits < 15 && (std::size_t(1) << bits) < filteredSize) ++bits;
  return bits;
}

// The zlib stream header: method 8, the window size, the fastest level's
// class, and the check that makes the pair a multiple of 31.
std::uint16_t ZlibHeader(int windowBits) {
  const unsigned header = unsigned(Z_DEFLATED + ((windowBits - 8) << 4)) << 8;
  return std::uint16_t(header + 31 - header % 31);
}

// The zlib stream of the rows.
std::string CompressRows(const PngRows& rows) {
  // Adler-32 of the whole stream, a row's sum taken again for each row that
  // repeats the one above: most rows of a barcode do.
  const std::size_t stride = rows.Stride();
  const std::uint8_t* stream = rows.stream.get();
  uLong checksum = adler32(0, nullptr, 0);
  uLong rowSum = 0;
  for (std::size_t at = 0; at < rows.streamSize; at += stride) {
    if (at == 0 || !std::equal(stream + at, stream + at + stride, stream + at - stride)) {
      rowSum = adler32(adler32(0, nullptr, 0), stream + at, uInt(stride));
    }
    checksum = adler32_combine(checksum, rowSum, z_off_t(stride));
  }
  const std::uint16_t header = ZlibHeader(WindowBits(rows.streamSize));
  std::string compressed{char(header >> 8), char(header & 0xFF)};
  compressed += DeflateRows({stream, rows.streamSize}, stride, rows.palette.empty() ? 3 : 1);
  AppendBigEndian(compressed, std::uint32_t(checksum));
  return compressed;
}

}  // namespace

Result<std::string> EncodePng(const BitmapView& bitmap) {
  if (bitmap.format != PixelFormat::Rgb) return Refusal("PNG images are written from RGB bitmaps only");
  if (bitmap.width <= 0 || bitmap.height <= 0 ||
      bitmap.pixels.size() < std::size_t(bitmap.width) * std::size_t(bitmap.height) * 3) {
    return Refusal("the bitmap has no pixels to write");
  }
  const PngRows rows = IndexedRows(bitmap);
  const std::string compressed = CompressRows(rows);

  std::string png(kSignature);
  png.reserve(compressed.size() + rows.palette.size() + 100);
  AppendChunk(png, "IHDR", HeaderData(bitmap, rows));
  if (bitmap.dotsPerInch > 0) AppendChunk(png, "pHYs", ResolutionData(bitmap.dotsPerInch));
  AppendChunk(png, "sRGB", std::string_view("\0", 1));  // perceptual rendering intent
  if (!rows.palette.empty()) AppendChunk(png, "PLTE", rows.palette);
  AppendChunk(png, "IDAT", compressed);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace kbc
