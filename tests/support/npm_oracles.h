// Oracles from npm, installed by npm into the build tree on first use (pinned
// versions); without node or npm a test fails, it never skips.
// - bwip-js, an encoder nobody here wrote, for the symbologies no reader reads:
//   its module grid, bar widths or bar states for the same data.
// - zxing-wasm, a zxing-cpp 3 reader, for the symbologies the Debian reader
//   does not read (rMQR, MicroPDF417).
#pragma once

#include <string>
#include <vector>

#include "support/decoders.h"

namespace kbc::test {

// "grid COLUMNS ROWS BITS", "bars W,W,..." or "states LETTERS" (F full, A
// ascender, D descender, T tracker); "" after a test failure.
std::string BwipRaw(const std::string& encoder, const std::string& text, const std::string& options = "");

// The symbols zxing-wasm finds in a PNG: format, identifier, level, version and text.
std::vector<Decoded> ZxingWasmRead(const std::string& png);

}  // namespace kbc::test
