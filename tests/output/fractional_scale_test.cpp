// Antialiased bitmaps at the scales where a module is a fraction of a pixel
// more than one: modules that share an edge inside a pixel must blend as one
// area, or light seams cross dark regions and readers lose the symbol.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "support/decoders.h"
#include "support/output_files.h"

namespace kbc::test {
namespace {

struct ScaledSymbol {
  std::vector<std::string> symbol;
  std::string zxing;  // "format text" as ZXingReader reports it
  std::string zbar;   // the text zbarimg reports; empty where it reads no such symbol
  // Below this scale neither reader copes with the symbol's antialiased
  // 1.05-1.3 pixel modules (DataBar's and Code 39's element widths are read
  // to within a module; a grey edge pixel shifts them by one).
  int readsFrom = 100;
};

void PrintTo(const ScaledSymbol& row, std::ostream* out) { *out << row.symbol[1] << " " << row.symbol[3]; }

const ScaledSymbol kSymbols[] = {
    {{"-type", "QRCode", "-data", "https://example.com/label/42"}, "QRCode https://example.com/label/42",
     "https://example.com/label/42"},
    {{"-type", "MicroQR", "-data", "12345"}, "MicroQRCode 12345", ""},
    {{"-type", "DataMatrix", "-data", "Lot 7/42 exp 2027-01"}, "DataMatrix Lot 7/42 exp 2027-01", ""},
    {{"-type", "PDF417", "-data", "Lot 7/42 exp 2027-01"}, "PDF417 Lot 7/42 exp 2027-01", ""},
    {{"-type", "Databar-Omnidirectional", "-data", "2001234567890"}, "DataBar 20012345678909", "0120012345678909",
     115},
    {{"-type", "Databar-Stacked", "-data", "123456789012"}, "DataBar 01234567890128", "0101234567890128", 110},
    {{"-type", "Databar-Expanded", "-data", "0198898765432106392112345"},
     "DataBarExpanded (01)98898765432106(3921)12345", "0198898765432106392112345", 135},
    {{"-type", "EAN-13", "-data", "590123412345"}, "EAN-13 5901234123457", "5901234123457"},
    {{"-type", "Code-128", "-data", "Label 42"}, "Code128 Label 42", "Label 42"},
    {{"-type", "Code-39", "-data", "LABEL-42"}, "Code39 LABEL-42", "LABEL-42", 130},
    {{"-type", "Interleaved-25", "-data", "12345678"}, "ITF 12345678", "12345678"},
};

class FractionalScale : public testing::TestWithParam<ScaledSymbol> {};

// At scale 100 and from the row's first readable scale up to 150 in steps of
// 5, at least one reader reads the symbol from the bitmap as written, enlarged
// 4 × smoothly with a white border.
TEST_P(FractionalScale, EveryScaleFrom100To150Reads) {
  const ScaledSymbol& row = GetParam();
  std::vector<int> scales{100};
  for (int scale = std::max(105, row.readsFrom); scale <= 150; scale += 5) scales.push_back(scale);
  for (const int scale : scales) {
    const std::string where = "scale " + std::to_string(scale);
    const std::string path = WriteSymbol("fraction.png", "pngf", {"-scale", std::to_string(scale)}, row.symbol);
    std::string log;
    const std::string bordered = EnlargeBitmap(path, 400, &log, true);
    ASSERT_FALSE(bordered.empty()) << where << log;
    bool read = false;
    std::string tried;
    // Stacked and small symbols are sometimes found only as pure images.
    for (const std::vector<std::string>& options : {std::vector<std::string>{}, {"-ispure"}}) {
      const auto zxing = ZxingRead(bordered, options);
      read = zxing.size() == 1 && zxing[0].format + " " + zxing[0].text == row.zxing;
      tried += Describe(zxing);
      if (read) break;
    }
    if (!read && !row.zbar.empty()) {
      for (const Decoded& result : ZbarRead(bordered)) read |= result.text == row.zbar;
    }
    EXPECT_TRUE(read) << where << ": ZXingReader gave " << tried;
  }
}

INSTANTIATE_TEST_SUITE_P(Antialiased, FractionalScale, testing::ValuesIn(kSymbols),
                         [](const testing::TestParamInfo<ScaledSymbol>& info) {
                           std::string name = info.param.symbol[1];
                           std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                           return name;
                         });

}  // namespace
}  // namespace kbc::test
