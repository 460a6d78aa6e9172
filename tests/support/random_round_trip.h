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

// Every case one line of a batch file for one run of `symbol` ({"-type", ...}),
// written as PNG, enlarged by pixel replication with a white border and read
// by ZXingReader: one symbol of `format` whose raw bytes are the case's.
// CR and LF go into the batch file as the escapes \r and \n; a backslash
// before r, n, t, f or v would be read as an escape, so no case holds one.
void ExpectRoundTrips(const std::vector<std::string>& symbol, const std::string& format,
                      const std::vector<RoundTripCase>& cases);

// The data with each backslash that an escape letter follows replaced by `/`.
std::string WithoutEscapes(std::string data);

}  // namespace kbc::test
