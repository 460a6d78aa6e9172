#include "support/raw_pixels.h"

#include <sstream>

#include "support/process.h"

namespace kbc::test {

std::vector<int> RawImage::At(int x, int row) const {
  const auto first = bytes.begin() + std::ptrdiff_t((row * width + x) * channels);
  return {first, first + channels};
}

std::set<std::vector<int>> RawImage::Distinct() const {
  std::set<std::vector<int>> seen;
  for (int i = 0; i < width * height; ++i) seen.insert(At(i % width, i / width));
  return seen;
}

std::string Identify(const std::string& path, const std::string& format) {
  return RunProgram({"identify", "-format", format, path + "[0]"}).out;
}

RawImage ReadPixels(const std::string& path, const std::string& map) {
  RawImage image;
  std::istringstream(Identify(path, "%w %h")) >> image.width >> image.height;
  image.channels = map == "cmyk" ? 4 : map == "rgb" ? 3 : 1;
  const ProcessResult raw = RunProgram({"convert", path + "[0]", "-depth", "8", map + ":-"});
  if (raw.status != 0 || raw.out.size() != std::size_t(image.width * image.height * image.channels)) return {};
  image.bytes.assign(raw.out.begin(), raw.out.end());
  return image;
}

}  // namespace kbc::test
