// -gs1 1 end to end: element strings read back by ZXingReader with the GS1
// symbology identifier, refusals that name the AI, and the warnings.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "linear/gs1_element_string.h"
#include "support/decoders.h"
#include "support/gs1_samples.h"
#include "support/output_files.h"
#include "support/process.h"

namespace kbc {
namespace {

struct ReadBack {
  const char* type;
  std::string elementString;
  std::string identifier;
  std::string content;  // GS (0x1D) after non-final variable-length fields
};

const ReadBack kReadBacks[] = {
    {"EAN-128", "(01)09501101530003(17)250101(10)ABC123(21)XYZ", "]C1",
     "01095011015300031725010110ABC123\x1D" "21XYZ"},
    {"EAN-128", "[10]ABC[01]09501101530003[21]X", "]C1", "10ABC\x1D" "010950110153000321X"},
    {"QRCode", "(01)09501101530003(17)250101(10)ABC123(21)XYZ", "]Q3",
     "01095011015300031725010110ABC123\x1D" "21XYZ"},
    {"QRCode", "[10]ABC[01]09501101530003[21]X", "]Q3", "10ABC\x1D" "010950110153000321X"},
    // (235) is of variable length; GS1 QR Code carries it last.
    {"QRCode", "(01)09501101530003(235)ABC(10)X", "]Q3", "01095011015300031" "0X\x1D" "235ABC"},
    {"DataMatrix", "(01)09501101530003(17)250101(10)ABC123(21)XYZ", "]d2",
     "01095011015300031725010110ABC123\x1D" "21XYZ"},
    // A GS1 Digital Link URI is checked, then carried as the plain URI it is.
    {"QRCode", "https://id.gs1.org/01/09501101530003/10/ABC123?17=250101", "]Q1",
     "https://id.gs1.org/01/09501101530003/10/ABC123?17=250101"},
    {"DataMatrix", "https://id.gs1.org/01/09501101530003/21/XYZ", "]d1", "https://id.gs1.org/01/09501101530003/21/XYZ"},
    // ZXingReader prints DataBar Expanded with the AIs in parentheses.
    {"Databar-Expanded", "(00)106141411234567897", "]e0", "(00)106141411234567897"},
    {"Databar-Expanded", "(01)98898765432106(3202)012345(15)991231", "]e0",
     "(01)98898765432106(3202)012345(15)991231"},
};

TEST(Gs1Mode, ReadBackWithTheGs1Identifier) {
  for (const ReadBack& c : kReadBacks) {
    SCOPED_TRACE(std::string(c.type) + " " + c.elementString);
    const std::string png = test::WriteAndRasterise({"-type", c.type, "-gs1", "1", "-data", c.elementString}, "pngf");
    const auto read = test::ZxingRead(png);
    ASSERT_EQ(read.size(), 1u) << test::Describe(read);
    EXPECT_EQ(read[0].identifier, c.identifier);
    EXPECT_EQ(c.identifier == "]e0" ? read[0].text : read[0].bytes, c.content);
  }
}

TEST(Gs1Mode, RandomElementStringsReadBackAsEan128) {
  std::mt19937 random(test::kGs1SampleSeed);
  for (int i = 0; i < 200; ++i) {
    const std::string element = test::RandomElementString(random);
    SCOPED_TRACE(element);
    const std::string png = test::WriteAndRasterise({"-type", "EAN-128", "-gs1", "1", "-data", element}, "pngf");
    const auto read = test::ZxingRead(png);
    ASSERT_EQ(read.size(), 1u) << test::Describe(read);
    EXPECT_EQ(read[0].identifier, "]C1");
  }
}

// libzint places the GS separators of GS1 QR Code by its own table of
// predefined lengths: they must fall where ours puts them in every other symbol.
TEST(Gs1Mode, RandomElementStringsReadBackAsQrCodeWithOurSeparators) {
  std::mt19937 random(test::kGs1SampleSeed + 1);
  for (int i = 0; i < 40; ++i) {
    const std::string element = test::RandomElementString(random);
    SCOPED_TRACE(element);
    const std::string png = test::WriteAndRasterise({"-type", "QRCode", "-gs1", "1", "-data", element}, "pngf");
    const auto read = test::ZxingRead(png);
    ASSERT_EQ(read.size(), 1u) << test::Describe(read);
    EXPECT_EQ(read[0].identifier, "]Q3");
    const Result<std::vector<Gs1Field>> parsed = ParseGs1ElementString(std::u32string(element.begin(), element.end()));
    ASSERT_TRUE(parsed) << parsed.refusal;
    EXPECT_EQ(read[0].bytes, Gs1JoinedFields(*parsed, '\x1D'));
  }
}

// One refusal of the element string and one of the symbol, end to end; each
// kind of refusal is held by the element-string and GS1-128 tests.
TEST(Gs1Mode, RefusalsExitOneWithTheReason) {
  const std::tuple<std::string, std::string, std::string> rows[] = {
      {"EAN-128", "(05)1", "AI (05) is not a GS1 application identifier"},
      {"EAN-128", "(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKLMNOPQRST(30)1234",
       "GS1-128 holds at most 48 data characters (got 50)"},
      {"QRCode", "https://id.gs1.org/01/09501101530004",
       "GS1 Digital Link URI: AI (01) check digit is 4, it should be 3"},
  };
  for (const auto& [type, elementString, message] : rows) {
    const std::string path = test::TempDir() + "/refused.svg";
    const auto result = test::RunKbc(test::WithOutput({"-type", type, "-gs1", "1", "-data", elementString}, "svgf", path));
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("KestrovaBarCode: the data cannot be drawn as " + type + ": " + message), std::string::npos)
        << result.err;
  }
}

TEST(Gs1Mode, WithoutTheSwitchBracketsStayDataAndAreWarnedAbout) {
  const std::string with = test::TempDir() + "/brackets.svg";
  const auto result = test::RunKbc(test::WithOutput({"-type", "EAN-128", "-data", "(01)12345678901231"}, "svgf", with));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err,
            "KestrovaBarCode: warning: EAN-128 encodes the parentheses as data; give -gs1 1 to read them as "
            "application identifiers\n");
  // 18 characters in set B: 11 × 18 + 66 units wide.
  EXPECT_NE(test::ReadFile(with).find("viewBox=\"0 0 264.00 60.00\""), std::string::npos);
}

TEST(Gs1Mode, OtherTypesIgnoreTheSwitchWithAWarning) {
  const std::string path = test::TempDir() + "/ean13.svg";
  const auto result = test::RunKbc(test::WithOutput({"-type", "EAN-13", "-gs1", "1", "-data", "590123412345"}, "svgf", path));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "KestrovaBarCode: warning: -gs1 applies to EAN-128, Databar-Expanded, QRCode and DataMatrix; "
                        "EAN-13 ignores it\n");
}

}  // namespace
}  // namespace kbc
