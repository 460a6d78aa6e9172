// Random data drawn by the command line and read back byte for byte by an
// independent decoder.
#pragma once

#include <string>
#include <vector>

namespace kbc::test {

struct RoundTripCase {
  std::string kind;   // how the data was drawn, for failure messages
  std::string bytes;  // the data, and what the symbol must carry
};

// Every case a line of one batch run of `symbol` ({"-type", ...}) as PNG, read by
// ZXingReader as one symbol of `format` with the case's raw bytes. CR and LF go
// in as the escapes \r and \n, so no case may hold another escape.
void ExpectRoundTrips(const std::vector<std::string>& symbol, const std::string& format,
                      const std::vector<RoundTripCase>& cases);

// The data as a batch line carries it: each backslash that an escape letter
// follows replaced by `/`, and each NUL byte by 0x01.
std::string WithoutEscapes(std::string data);

}  // namespace kbc::test
