// Data the data check refuses, in every output: exit status 1 and the reason
// with the path on stderr; no file, or for PDF a page with the placeholder only.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

TEST(RefusedData, NothingIsDrawnAndTheReasonIsGiven) {
  const struct {
    const char* type;
    std::string data;
    const char* reason;
  } rows[] = {
      {"QRCode", std::string(3000, 'a'), "QR"},  // 2953 bytes is the most
      {"DataMatrix", std::string(1559, 'a'), "too long for any Data Matrix symbol"},
      {"CIP", std::string(1000, '\xE9'), "too long for any Data Matrix symbol"},
      {"PDF417", std::string(1850, '\xE9'), "too long for a PDF417 symbol"},
      {"Databar-Limited", "2000000000000", "up to 1999999999999"},
      {"Databar-Expanded", "10AB^C", "\"^\""},
      {"Databar-Expanded", "10AB~C", "cannot encode \"~\""},
      {"Databar-Expanded", "ABC", "application identifier"},
      // A second tracking digit 5-9 fits the lengths but not the encoder.
      {"USPS4CB", "0712345678901234567801234", "second digit of a USPS4CB tracking code must be 0 to 4 (got 7)"},
  };
  for (const auto& row : rows) {
    for (const std::string action : {"svgf", "epsf", "pngf", "pdff"}) {
      SCOPED_TRACE(std::string(row.type) + " " + row.data.substr(0, 20) + " " + action);
      const std::string path = test::TempDir() + "/refused." + action.substr(0, 3);
      const test::ProcessResult run =
          test::RunKbc(test::WithOutput({"-type", row.type, "-data", row.data}, action, path));
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
      if (action == "pdff") {
        EXPECT_NE(run.err.find("No BarCode Image"), std::string::npos) << run.err;
      } else {
        EXPECT_FALSE(std::filesystem::exists(path));
      }
    }
  }
}

}  // namespace
}  // namespace kbc
