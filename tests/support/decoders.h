// Independent decoders and rasterisers reading what we write. Each returns what
// the tool reported; tools are required (tests fail, never skip, without them).
#pragma once

#include <string>
#include <vector>

namespace kbc::test {

struct Decoded {
  std::string format;      // the decoder's name of the symbology ("EAN-13", "QRCode", ...)
  std::string text;        // content as the decoder prints it
  std::string bytes;       // raw content bytes (ZXingReader), or the text (zbarimg)
  std::string identifier;  // symbology identifier (ZXingReader), e.g. "]C1"
};

// PNG renderings on white, enlarged so that a module is several pixels. Each
// returns the PNG's path, or an empty string when the tool failed (its stderr is
// added to `log` when given).
std::string RasteriseSvg(const std::string& svgPath, std::string* log = nullptr);
std::string RasteriseEps(const std::string& epsPath, std::string* log = nullptr);
std::string RasterisePdf(const std::string& pdfPath, std::string* log = nullptr);
// Pixel replication by `percent` and a white border, for our 1-pixel-per-module bitmaps.
std::string EnlargeBitmap(const std::string& imagePath, int percent = 400, std::string* log = nullptr);
// Linear interpolation instead, as a scanner sees an antialiased print: replicated
// grey edge pixels of fractional modules sit on the readers' threshold.
std::string EnlargeSmoothly(const std::string& imagePath, int percent = 400, std::string* log = nullptr);

// ZXingReader -noscale (plus options such as "-ispure" or "-format", "EAN-13").
std::vector<Decoded> ZxingRead(const std::string& imagePath, const std::vector<std::string>& options = {});
// zbarimg with every symbology and add-on reporting enabled.
std::vector<Decoded> ZbarRead(const std::string& imagePath);

// The texts of all results, for readable assertion messages.
std::string Describe(const std::vector<Decoded>& results);

}  // namespace kbc::test
