// The request's choices that change the symbol itself rather than its
// drawing. Every encoder is handed them; each reads those of its symbology
// and ignores the rest, so that a request without them encodes as before.
#pragma once

#include <cstdint>
#include <string>

namespace kbc {

// QR Code error correction (ISO/IEC 18004 Table 12): about 7, 15, 25 and 30 %
// of the codewords may be restored.
enum class QrLevel : std::uint8_t { L, M, Q, H };

inline constexpr int kNoEci = -1;

struct SymbolOptions {
  QrLevel qrLevel = QrLevel::L;  // -eclevel
  int qrVersion = 0;             // -qrversion 1..40; 0: the smallest that holds the data
  // -eci: the Extended Channel Interpretation designator put before the data
  // of QR Code and Data Matrix, naming the character set of its bytes.
  int eci = kNoEci;
  // -dmsize: the Data Matrix rows and columns; 0: the smallest square that holds the data.
  int dataMatrixRows = 0;
  int dataMatrixColumns = 0;
  // -code128 shortest: Code-128 and EAN-128 change code sets where that makes
  // the symbol shorter, instead of one set for all of the data.
  bool code128Shortest = false;
  // -gs1dl: the https:// address on which a GS1 element string for QR Code or
  // Data Matrix becomes a Digital Link URI; empty: the element string is encoded.
  std::string digitalLinkBase;
  // -maxicode-mode 2..6; 0: the library's default, mode 4 (standard symbol).
  int maxiCodeMode = 0;
  // -dotcode-columns 5..200; 0: the library chooses a near-square symbol.
  int dotCodeColumns = 0;

  friend bool operator==(const SymbolOptions&, const SymbolOptions&) = default;
};

}  // namespace kbc
