// The PNG writer against libpng: RGB rows written by EncodePng and read back by
// libpng must come back exactly. The sizes sit on both sides of the points where
// the writer changes course: the window size its zlib header states, the
// longest match (258 bytes), and the farthest a match may reach back (32 KiB),
// past which rows are no longer matched against the row above.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "image_encoders/png_encoder.h"
#include "support/draws.h"

namespace kbc {
namespace {

constexpr std::uint32_t kSeed = 20261209;

// What the rows hold: every byte random; barcode rows, runs of two colours
// that mostly repeat the row above; or pixels drawn from a set of `colours`
// random colours.
enum class Content { Noise, Bars, Colours };

struct Size {
  const char* name;
  int width;
  int height;
  Content content;
  int colours = 0;
};

void PrintTo(const Size& size, std::ostream* out) { *out << size.name; }

// A row in the stream is 1 + 3 × width bytes, or 1 + width at 8-bit indices.
const Size kSizes[] = {
    {"OnePixel", 1, 1, Content::Noise},
    {"OneRowNoise", 300, 1, Content::Noise},
    {"SmallBars", 113, 80, Content::Bars},
    // The header states a 512-byte window up to 512 bytes of rows, then 1 KiB.
    {"Window512Full", 85, 2, Content::Noise},
    {"Window1024", 85, 3, Content::Noise},
    {"Window16KiBFull", 21, 256, Content::Noise},
    {"Window32KiB", 21, 257, Content::Noise},
    // Runs one pixel back and repeated rows longer than one match.
    {"OneColourLongRuns", 2000, 40, Content::Colours, 1},
    {"ManyBarsRows", 1000, 400, Content::Bars},
    // Rows of 32767 and 32768 bytes are matched a row back; one of 32769 is not.
    {"RowMatchAtFarthest", 32767, 3, Content::Colours, 200},
    {"RowsTooLongToMatch", 32768, 3, Content::Colours, 200},
    {"NarrowRows", 1, 16254, Content::Noise},
    // Up to 256 colours are palette indices at the fewest bits that hold them,
    // packed from the left with the last byte of a row part filled.
    {"OneColourOddWidth", 13, 5, Content::Colours, 1},
    {"TwoColoursOddWidth", 13, 9, Content::Colours, 2},
    {"FourColours", 7, 9, Content::Colours, 4},
    {"FiveColours", 9, 9, Content::Colours, 5},
    {"SixteenColours", 33, 17, Content::Colours, 16},
    {"SeventeenColours", 31, 17, Content::Colours, 17},
    {"AllPaletteColours", 300, 40, Content::Colours, 256},
    {"OneColourTooMany", 300, 40, Content::Colours, 257},
    {"OneBitRows", 4000, 200, Content::Colours, 2},
    {"EightBitRows", 1000, 100, Content::Colours, 200},
};

std::vector<std::uint8_t> Rows(const Size& size, test::Draws& draws) {
  const std::size_t rowBytes = std::size_t(size.width) * 3;
  std::vector<std::uint8_t> pixels(rowBytes * std::size_t(size.height), 255);
  if (size.content == Content::Colours) {
    // The first colours are placed first, so that every one of them appears.
    std::vector<std::array<std::uint8_t, 3>> colours(std::size_t(size.colours));
    for (auto& colour : colours) {
      for (std::uint8_t& component : colour) component = std::uint8_t(draws.Below(256));
    }
    // Every other row (once all colours are in) repeats the row above, as
    // bars do, and is a match a row back where a match may reach that far.
    const std::size_t pixelCount = std::size_t(size.width) * std::size_t(size.height);
    for (std::size_t i = 0; i < pixelCount; ++i) {
      if (i >= std::max<std::size_t>(colours.size(), rowBytes / 3) && (i * 3 / rowBytes) % 2 == 1) {
        std::copy_n(pixels.begin() + std::ptrdiff_t(3 * i - rowBytes), 3, pixels.begin() + std::ptrdiff_t(3 * i));
        continue;
      }
      const auto& colour = colours[i < colours.size() ? i : draws.Below(std::uint32_t(colours.size()))];
      std::copy(colour.begin(), colour.end(), pixels.begin() + std::ptrdiff_t(3 * i));
    }
    return pixels;
  }
  if (size.content == Content::Noise) {
    for (std::uint8_t& byte : pixels) byte = std::uint8_t(draws.Below(256));
    return pixels;
  }
  std::array<std::uint8_t, 3> dark{};
  for (std::uint8_t& component : dark) component = std::uint8_t(draws.Below(256));
  for (int row = 0; row < size.height; ++row) {
    std::uint8_t* line = pixels.data() + std::size_t(row) * rowBytes;
    if (row > 0 && !draws.OneIn(12)) {
      std::copy_n(line - rowBytes, rowBytes, line);
      continue;
    }
    bool bar = draws.OneIn(2);
    for (int x = 0; x < size.width; ++x) {
      if (draws.OneIn(4)) bar = !bar;
      if (bar) std::copy(dark.begin(), dark.end(), line + std::size_t(x) * 3);
    }
  }
  return pixels;
}

// libpng reads as RGB without any transform (the files carry no gamma other
// than sRGB); a warning, such as data after the zlib stream, counts as a fault.
std::vector<std::uint8_t> ReadWithLibpng(const std::string& png, const Size& size) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) {
    ADD_FAILURE() << image.message;
    return {};
  }
  EXPECT_EQ(int(image.width), size.width);
  EXPECT_EQ(int(image.height), size.height);
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  const bool read = png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
  EXPECT_TRUE(read && image.warning_or_error == 0) << image.message;
  png_image_free(&image);
  return pixels;
}

class PngEncoderDifferential : public testing::TestWithParam<Size> {};

TEST_P(PngEncoderDifferential, LibpngReadsTheRowsBackExactly) {
  const Size& size = GetParam();
  test::Draws draws(kSeed + std::uint32_t(size.width) * 31 + std::uint32_t(size.height));
  const std::vector<std::uint8_t> pixels = Rows(size, draws);

  const Result<std::string> ours = EncodePng({size.width, size.height, PixelFormat::Rgb, pixels});
  ASSERT_TRUE(ours) << ours.refusal;
  // IHDR's bit depth and colour type follow the 8-byte signature and the chunk's length and name.
  const int bitDepth = std::uint8_t((*ours)[24]);
  const int colourType = std::uint8_t((*ours)[25]);
  // At most 256 colours are stored as a palette at the fewest bits per index that hold them.
  std::set<std::array<std::uint8_t, 3>> distinct;
  for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) distinct.insert({pixels[i], pixels[i + 1], pixels[i + 2]});
  const std::size_t n = distinct.size();
  EXPECT_EQ(colourType, n <= 256 ? 3 : 2) << n << " colours";
  EXPECT_EQ(bitDepth, n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8) << n << " colours";

  const std::vector<std::uint8_t> read = ReadWithLibpng(*ours, size);
  // Compared as a whole, a mismatch would print megabytes; the first
  // differing row is what a fault in one segment shows.
  ASSERT_EQ(read.size(), pixels.size());
  const auto differs = std::ranges::mismatch(read, pixels).in1;
  EXPECT_TRUE(differs == read.end()) << "row " << (differs - read.begin()) / (3 * size.width) << " differs";
}

INSTANTIATE_TEST_SUITE_P(Sizes, PngEncoderDifferential, testing::ValuesIn(kSizes),
                         [](const testing::TestParamInfo<Size>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kbc
