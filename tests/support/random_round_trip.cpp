#include "support/random_round_trip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "support/decoders.h"
#include "support/process.h"

namespace kbc::test {

std::string WithoutEscapes(std::string data) {
  for (std::size_t i = 0; i + 1 < data.size(); ++i) {
    if (data[i] == '\\' && std::string_view("rntfv").find(data[i + 1]) != std::string_view::npos) data[i] = '/';
  }
  // No text file, and so no batch file, holds a NUL byte.
  std::ranges::replace(data, '\0', '\x01');
  return data;
}

void ExpectRoundTrips(const std::vector<std::string>& symbol, const std::string& format,
                      const std::vector<RoundTripCase>& cases) {
  const std::string folder = FreshFolder(format + "-round-trips");
  std::string batch;
  for (const RoundTripCase& c : cases) {
    ASSERT_EQ(WithoutEscapes(c.bytes), c.bytes) << c.kind << ": the data holds an escape";
    for (const char ch : c.bytes) batch += ch == '\r' ? "\\r" : ch == '\n' ? "\\n" : std::string(1, ch);
    batch += '\n';
  }
  WriteFile(folder + "/data.txt", batch);
  std::vector<std::string> args = symbol;
  args.insert(args.end(), {"-batch", folder + "/data.txt", "-action", "pngf", "-output", folder + "/case.png"});
  const ProcessResult run = RunKbc(args);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");

  for (std::size_t i = 0; i < cases.size(); ++i) {
    const RoundTripCase& c = cases[i];
    SCOPED_TRACE(format + " case " + std::to_string(i) + ": " + c.kind + ", " + std::to_string(c.bytes.size()) +
                 " bytes");
    std::string log;
    const std::string png = EnlargeBitmap(folder + "/case-" + std::to_string(i + 1) + ".png", 400, &log);
    ASSERT_FALSE(png.empty()) << log;
    const std::vector<Decoded> read = ZxingRead(png);
    if (read.size() != 1) {
      ADD_FAILURE() << Describe(read);
      continue;
    }
    EXPECT_EQ(read[0].format, format);
    if (read[0].bytes != c.bytes) {
      const auto differ = std::ranges::mismatch(c.bytes, read[0].bytes);
      ADD_FAILURE() << "read " << read[0].bytes.size() << " bytes, the first difference at byte "
                    << differ.in1 - c.bytes.begin();
    }
  }
}

}  // namespace kbc::test
