// Pixels of an image file as ImageMagick reads them, independently of our encoders.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace kbc::test {

struct RawImage {
  int width = 0, height = 0, channels = 0;
  std::vector<std::uint8_t> bytes;  // rows from the top

  std::vector<int> At(int x, int row) const;
  std::set<std::vector<int>> Distinct() const;
};

// `map` is "gray", "rgb" or "cmyk"; an empty image when the file cannot be read.
RawImage ReadPixels(const std::string& path, const std::string& map);

// identify -format of the first image in a file.
std::string Identify(const std::string& path, const std::string& format);

}  // namespace kbc::test
