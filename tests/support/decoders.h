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
  std::string ecLevel;     // error-correction level (ZXingReader), e.g. "H" for QR Code
  std::string version;     // the symbol's version (zxing-wasm): "R7x59" for rMQR, the layers for Aztec
  bool hasEci = false;     // the symbol carries an ECI (ZXingReader)
};

// A PNG on white with several pixels per module, or "" when the tool failed (its
// stderr added to `log`). SVG, EPS and PDF (by the extension's first three
// letters) are rasterised at 288 dpi, anything else goes to EnlargeBitmap.
std::string Rasterise(const std::string& path, std::string* log = nullptr);
// Our bitmaps scaled by `percent` with a white border: by pixel replication, or
// `smooth`ly as a scanner sees a print (replicated grey edges of fractional
// modules sit on the readers' threshold).
std::string EnlargeBitmap(const std::string& imagePath, int percent = 400, std::string* log = nullptr,
                          bool smooth = false);

// ZXingReader -noscale (plus options such as "-ispure" or "-format", "EAN-13").
std::vector<Decoded> ZxingRead(const std::string& imagePath, const std::vector<std::string>& options = {});
// zbarimg with every symbology and add-on reporting enabled.
std::vector<Decoded> ZbarRead(const std::string& imagePath);

// For assertion messages.
std::string Describe(const std::vector<Decoded>& results);

}  // namespace kbc::test
