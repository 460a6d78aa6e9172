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
  // -aztec-layers: 1..32 layers round the finder, in a compact symbol (1..4)
  // or a full-range one; 0: the smallest symbol that holds the data.
  int aztecLayers = 0;
  bool aztecCompact = false;
  // -aztec-eclevel: the share of Aztec codewords spent on error correction,
  // 10, 23, 36 or 50 %; 0: the library's default of 23 %.
  int aztecEcPercent = 0;
  // -rmqr-size: the rMQR rows and columns; 0: the smallest that holds the data.
  int rmqrRows = 0;
  int rmqrColumns = 0;
  // -micropdf417-columns 1..4; 0: the library chooses by the data's length.
  int microPdf417Columns = 0;
  // -databar-segments: DataBar Expanded Stacked's segments per row, even,
  // 2..20; 0: the library's default of 4.
  int dataBarSegments = 0;
  // -hibc-check given: the HIBC types' data is the whole code as printed, its
  // check character last (and the + flag optionally first), verified rather
  // than added; false: the flag and check character are added.
  bool hibcCheckGiven = false;

  friend bool operator==(const SymbolOptions&, const SymbolOptions&) = default;
};

}  // namespace kbc
