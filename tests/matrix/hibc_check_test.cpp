// -hibc-check: the HIBC code as printed is verified and encoded once, and read
// back by ZXingReader with one flag and one check character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matrix/hibc_check.h"
#include "support/decoders.h"
#include "support/output_files.h"

namespace kbc::test {
namespace {

struct CheckCase {
  std::u32string data;
  bool given;
  std::string expected;  // the data to encode, or the refusal
};

// ANSI/HIBC 2.6 (LIC): "+A123BJC5D6E71" sums to 145, 145 mod 43 = 16, "G".
const CheckCase kCases[] = {
    {U"A123BJC5D6E71", false, "A123BJC5D6E71"},
    {U"+A123BJC5D6E71G", true, "A123BJC5D6E71"},
    {U"A123BJC5D6E71G", true, "A123BJC5D6E71"},
    {U"+a123bjc5d6e71g", true, "a123bjc5d6e71"},
    {U"+A123BJC5D6E71H", true,
     "the HIBC check character \"H\" does not match the data, whose check character is \"G\""},
    {U"+G", true, "-hibc-check given needs the data followed by its check character"},
    {U"+A1_2G", true, "HIBC data takes digits, capitals and - . space $ / + % only"},
};

TEST(HibcCheck, GivenCheckCharacterIsVerified) {
  for (const CheckCase& c : kCases) {
    SymbolOptions options;
    options.hibcCheckGiven = c.given;
    const Result<std::u32string> got = HibcDataToEncode(c.data, options);
    EXPECT_EQ(got ? std::string(got->begin(), got->end()) : got.refusal, c.expected)
        << std::string(c.data.begin(), c.data.end());
  }
}

// Sums at both ends of the table and past it: the flag "+" is 41, "%" 42.
TEST(HibcCheck, CheckCharacterIsTheSumModulo43) {
  EXPECT_EQ(HibcCheckCharacter(U"+2"), U'0');   // 43
  EXPECT_EQ(HibcCheckCharacter(U"+1"), U'%');   // 42
  EXPECT_EQ(HibcCheckCharacter(U"+%"), U'/');   // 83 = 43 + 40
  EXPECT_EQ(HibcCheckCharacter(U"+_"), std::nullopt);
}

TEST(HibcCheck, ReaderReadsTheGivenCodeOnce) {
  for (const std::string type : {"HIBC-128", "HIBC-39", "HIBC-DataMatrix"}) {
    const std::string png = WriteAndRasterise(
        {"-type", type, "-data", "+A123BJC5D6E71G", "-hibc-check", "given", "-quietzones", "1"}, "pngf");
    const std::vector<Decoded> read = ZxingRead(png, type == "HIBC-DataMatrix" ? std::vector<std::string>{"-ispure"}
                                                                               : std::vector<std::string>{});
    ASSERT_EQ(read.size(), 1u) << type << ": " << Describe(read);
    EXPECT_EQ(read[0].text, "+A123BJC5D6E71G") << type;
  }
}

}  // namespace
}  // namespace kbc::test
