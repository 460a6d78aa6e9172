// The two-of-five family, Identcode, Codabar, MSI, Telepen and Pharmacode:
// worked examples and element sequences against zint, Telepen's whole
// character set included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/symbology.h"
#include "linear/codabar.h"
#include "linear/identcode.h"
#include "linear/msi.h"
#include "linear/pharmacode.h"
#include "linear/telepen.h"
#include "linear/two_of_five.h"
#include "support/recording_target.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

// Worked examples of the digits and checks; the golden files hold the element
// strings of Code 25, interleaved 2 of 5, ITF-SCC and Pharmacode drawn.
TEST(NumericCodes, WorkedExamples) {
  EXPECT_EQ(CodabarCharacters(WithCodabarStartStop(U"C1+x2d")), U"c1+2d");
  EXPECT_EQ(MsiCheckDigit(std::u32string(250, U'9')), 0);  // 125 nines doubled: 1125, + 125 x 9 = 2250
  EXPECT_EQ(TelepenCheckCharacter(U"~\x01"), 127);  // a sum divisible by 127
  EXPECT_EQ(TelepenCharacters(U"x" + std::u32string(28, U'a') + U"\u00E9b"), std::u32string(28, U'a') + U"b");
  EXPECT_EQ(PharmacodeBars(0), "1");
}

// What the symbols carry and show, and their widths from their elements (the
// golden files hold Code 25, MSI and ITF-SCC).
TEST(NumericCodes, EncodingsCarryAndShow) {
  const struct {
    const char* source;
    Encoder encode;
    std::u32string_view data, encoded, text;
    std::int64_t width;
  } rows[] = {
      {"Codabar adds its start and stop, in capitals as carried", CodabarEncoding, U"123", U"A123B", U"a123b", 64},
      {"Interleaved-25 carries the 0 it adds", Interleaved25Encoding, U"123", U"0123", U"0123", 55},
      {"ITF-14 carries the data as given, shows 14 digits", Itf14Encoding, U"123", U"123", U"00000000000123", 145},
      {"Identcode carries its check digit, shows it grouped", IdentcodeEncoding, U"563102430", U"005631024304",
       U"00.563 102.430 4", 127},
      {"Telepen packs digit pairs into 39 and 61: 16 x 5", TelepenEncoding, U"1234", U"'=", U"1234", 80},
      {"Telepen carries nothing beyond ASCII", TelepenEncoding, U"x\u00E9", U"x", U"x\u00E9", 64},
      {"Pharmacode 3: bars 4 wide, one character 7", PharmacodeEncoding, U"3", U"3", U"3", 7},
      {"Pharmacode 65535: 16 narrow bars, 16 + 15 x 2 > 5 x 7", PharmacodeEncoding, U"65535", U"65535", U"65535", 46},
      {"Pharmacode carries its last nine digits", PharmacodeEncoding, U"1234567890", U"234567890", U"1234567890", 113},
  };
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = row.encode(row.data, U"", {});
    EXPECT_EQ(symbol->encoded, row.encoded) << row.source;
    EXPECT_EQ(symbol->text, row.text) << row.source;
    EXPECT_EQ(symbol->width, row.width) << row.source;
  }
}

// zint encodes the same symbols: module for module where both draw wide
// elements 3 units, as narrow/wide sequences where they differ (Code 25's
// start and stop, Codabar, Identcode). MSI is given our check digit and also
// left to zint's own modulo-10 option.
TEST(NumericCodes, ElementsMatchZint) {
  struct Row {
    std::vector<std::string> zint;
    ElementWidths ours;
    bool exact;
  };
  std::vector<Row> rows = {
      {{"-b", "7", "-d", "9081726354"}, Code25Elements(U"9081726354"), false},
      {{"-b", "3", "-d", "0123456789"}, InterleavedElements(U"0123456789", Interleaved25Patterns), true},
      {{"-b", "22", "-d", "56310243031"},
       InterleavedElements(IdentcodeDigits(U"56310243031"), Interleaved25Patterns), false},
      {{"-b", "18", "-d", "C-$:/.+D"}, CodabarElements(U"c-$:/.+d"), false},
      {{"-b", "47", "-d", "98765432103"}, MsiElements(MsiBits(U"9876543210")), true},
      {{"-b", "47", "--vers=1", "-d", "80523"}, MsiElements(MsiBits(U"80523")), true},
      {{"-b", "87", "-d", "00998877665544332211"}, TelepenElements(TelepenCharacters(U"00998877665544332211")), true},
      {{"-b", "51", "-d", "131070"}, PharmacodeElements(PharmacodeBars(131070)), true},
  };
  // Every Telepen code below 127 in symbols of 26 characters, sent as \xNN.
  for (char32_t from = 0; from < 127; from += 26) {
    std::u32string part;
    std::string escaped;
    for (char32_t c = from; c < 127 && c < from + 26; ++c) {
      part.push_back(c);
      escaped += {'\\', 'x', "0123456789ABCDEF"[c / 16], "0123456789ABCDEF"[c % 16]};
    }
    rows.push_back({{"-b", "32", "--esc", "-d", escaped}, TelepenElements(part), true});
  }
  for (const auto& row : rows) {
    const std::string data = row.zint.back();
    const std::vector<std::string> zint = test::ZintModuleRows(row.zint);
    ASSERT_EQ(zint.size(), 1u) << data;
    const std::string ours = test::ElementsAsModules(row.ours);
    if (row.exact) {
      // zint pads its rows to whole hexadecimal digits, and ends MSI without the stop's last space.
      const std::string bars = ours.substr(0, ours.rfind('1') + 1);
      EXPECT_EQ(zint[0].substr(0, bars.size()), bars) << data;
      EXPECT_EQ(zint[0].find('1', bars.size()), std::string::npos) << data;
    } else {
      EXPECT_EQ(test::NarrowWideSequence(zint[0]), test::NarrowWideSequence(ours)) << data;
    }
  }
}

// zint has no pattern for 127; it is the one with only narrow elements.
TEST(TelepenPatterns, DelIsAllNarrow) { EXPECT_EQ(TelepenPatterns[127], "1111111111111111"); }

// A given display text only switches Identcode's grouping off (the golden
// files hold ITF-SCC, which ignores it).
TEST(NumericCodes, GivenDisplayTextUngroupsIdentcode) {
  BarcodeSettings settings = InitSettings();
  settings.data = U"12345678901", settings.displayText = U"XYZ", settings.showText = 1;
  test::RecordingTarget identcode;
  test::RenderOnto(identcode, RenderIdentcode, settings, *IdentcodeEncoding(settings.data, U"", {}));
  std::u32string shown;
  for (const test::RecordedCall& call : identcode.Only("text")) shown += call.text;
  EXPECT_EQ(shown, U"123456789016");
}

}  // namespace
}  // namespace kbc
