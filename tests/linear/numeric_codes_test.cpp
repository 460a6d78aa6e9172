// The two-of-five family, Identcode, Codabar, MSI, Telepen and Pharmacode:
// worked examples, element sequences against zint, and Telepen's character set
// read back bit by bit.
#include <gtest/gtest.h>

#include <bit>
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

std::string WidthDigits(const ElementWidths& elements) {
  std::string digits;
  for (const std::uint8_t width : elements) digits += char('0' + width);
  return digits;
}

// Element strings of the worked examples. Code 25 data 12 draws its bars at
// 10-12, 13-15, 16-17, 18-21, ... 51-53.
TEST(NumericCodes, WorkedExamples) {
  std::string itfScc1 = "2222";
  for (int pair = 0; pair < 6; ++pair) itfScc1 += "2222555522";  // 0 with 0
  itfScc1 += "2522525225" "5220";                                 // 22552 with 52225, then the stop
  const std::pair<ElementWidths, std::string> rows[] = {
      {Code25Elements(U"12"), "212111" "3111111131" "1131111131" "211121"},
      {InterleavedElements(EvenDigits(U"123"), Interleaved25Patterns), "1111" "1311313113" "1333111131" "3110"},
      {InterleavedElements(FourteenDigits(U"1"), ItfSccPatterns), itfScc1},
      {PharmacodeElements(PharmacodeBars(3)), "121"},
      {PharmacodeElements(PharmacodeBars(12)), "32123"},  // wide, narrow, wide at 0, 5, 8
  };
  for (const auto& [elements, expected] : rows) EXPECT_EQ(WidthDigits(elements), expected);
  EXPECT_EQ(IdentcodeDigits(U"12345678901"), U"123456789016");  // 4 x 26 + 9 x 20 = 284
  EXPECT_EQ(CodabarCharacters(WithCodabarStartStop(U"C1+x2d")), U"c1+2d");
  EXPECT_EQ(MsiCheckDigit(std::u32string(250, U'9')), 0);  // 125 nines doubled: 1125, + 125 x 9 = 2250
  EXPECT_EQ(TelepenCheckCharacter(U"~\x01"), 127);  // a sum divisible by 127
  EXPECT_EQ(TelepenCharacters(U"x" + std::u32string(28, U'a') + U"\u00E9b"), std::u32string(28, U'a') + U"b");
  EXPECT_EQ(PharmacodeBars(0), "1");
}

// What the symbols carry and show, and their widths from their elements.
TEST(NumericCodes, EncodingsCarryAndShow) {
  const struct {
    const char* source;
    Encoder encode;
    std::u32string_view data, encoded, text;
    std::int64_t width;
  } rows[] = {
      {"Codabar adds its start and stop, in capitals as carried", CodabarEncoding, U"123", U"A123B", U"a123b", 64},
      {"MSI: 12 a digit and 19", MsiEncoding, U"1234", U"1234", U"1234", 67},
      {"Code 25: 14 a digit and 36", Code25Encoding, U"12", U"12", U"12", 64},
      {"Interleaved-25 carries the 0 it adds", Interleaved25Encoding, U"123", U"0123", U"0123", 55},
      {"ITF-14 carries the data as given, shows 14 digits", Itf14Encoding, U"123", U"123", U"00000000000123", 145},
      {"ITF-SCC: a fixed image", ItfSccEncoding, U"1", U"1", U"00000000000001", 305},
      {"Identcode carries its check digit, shows it grouped", IdentcodeEncoding, U"563102430", U"005631024304",
       U"00.563 102.430 4", 127},
      {"Telepen packs digit pairs into 39 and 61: 16 x 5", TelepenEncoding, U"1234", U"'=", U"1234", 80},
      {"Telepen carries nothing beyond ASCII", TelepenEncoding, U"x\u00E9", U"x", U"x\u00E9", 64},
      {"Pharmacode 3: bars 4 wide, one character 7", PharmacodeEncoding, U"3", U"3", U"3", 7},
      {"Pharmacode 65535: 16 narrow bars, 16 + 15 x 2 > 5 x 7", PharmacodeEncoding, U"65535", U"65535", U"65535", 46},
      {"Pharmacode carries its last nine digits", PharmacodeEncoding, U"1234567890", U"234567890", U"1234567890", 113},
  };
  for (const auto& row : rows) {
    const EncodedSymbol symbol = row.encode(row.data, U"");
    EXPECT_EQ(symbol.encoded, row.encoded) << row.source;
    EXPECT_EQ(symbol.text, row.text) << row.source;
    EXPECT_EQ(symbol.width, row.width) << row.source;
  }
}

// zint encodes the same symbols: module for module where both draw wide
// elements 3 units, as narrow/wide sequences where they differ (Code 25's
// start and stop, Codabar, Identcode). MSI is given our check digit and also
// left to zint's own modulo-10 option; zint's Telepen has no pattern for 127.
TEST(NumericCodes, ElementsMatchZint) {
  const struct {
    std::vector<std::string> zint;
    ElementWidths ours;
    bool exact;
  } rows[] = {
      {{"-b", "7", "-d", "9081726354"}, Code25Elements(U"9081726354"), false},
      {{"-b", "3", "-d", "0123456789"}, InterleavedElements(U"0123456789", Interleaved25Patterns), true},
      {{"-b", "22", "-d", "56310243031"},
       InterleavedElements(IdentcodeDigits(U"56310243031"), Interleaved25Patterns), false},
      {{"-b", "18", "-d", "C-$:/.+D"}, CodabarElements(U"c-$:/.+d"), false},
      {{"-b", "18", "-d", "A0123456789B"}, CodabarElements(U"a0123456789b"), false},
      {{"-b", "47", "-d", "98765432103"}, MsiElements(MsiBits(U"9876543210")), true},
      {{"-b", "47", "--vers=1", "-d", "80523"}, MsiElements(MsiBits(U"80523")), true},
      {{"-b", "32", "-d", "Hello, World!"}, TelepenElements(TelepenCharacters(U"Hello, World!")), true},
      {{"-b", "87", "-d", "00998877665544332211"}, TelepenElements(TelepenCharacters(U"00998877665544332211")), true},
      {{"-b", "51", "-d", "131070"}, PharmacodeElements(PharmacodeBars(131070)), true},
      {{"-b", "51", "-d", "1234"}, PharmacodeElements(PharmacodeBars(1234)), true},
  };
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

// Reads a pattern back into its byte, least significant bit first: "11" is a
// 1 bit, "31" is 00, "33" is 010, and "13" opens or closes a 0 1...1 0 block.
int DecodeTelepenByte(std::string_view pattern) {
  std::string bits;
  bool inBlock = false;
  for (std::size_t i = 0; i + 1 < pattern.size(); i += 2) {
    const std::string_view pair = pattern.substr(i, 2);
    if (pair == "11") bits += '1';
    if (pair == "31") bits += "00";
    if (pair == "33") bits += "010";
    if (pair == "13") bits += inBlock ? "10" : "01";
    if (pair == "13") inBlock = !inBlock;
  }
  int byte = 0;
  for (std::size_t i = 0; i < bits.size(); ++i) byte |= (bits[i] - '0') << i;
  return bits.size() == 8 ? byte : -1;
}

// All 128 entries: 16 units, and their own code with even parity.
TEST(TelepenPatterns, EveryCodeReadsBackWithEvenParity) {
  for (std::size_t code = 0; code < TelepenPatterns.size(); ++code) {
    ElementWidths elements;
    AppendPattern(elements, TelepenPatterns[code]);
    EXPECT_EQ(ModuleCount(elements), 16) << code;
    const int byte = DecodeTelepenByte(TelepenPatterns[code]);
    EXPECT_EQ(byte & 0x7F, int(code)) << code;
    EXPECT_EQ(std::popcount(unsigned(byte)) % 2, 0) << code;
  }
  EXPECT_EQ(TelepenPatterns[0], "31313131");
  EXPECT_EQ(TelepenPatterns[127], "1111111111111111");
}

// A given display text only switches Identcode's grouping off (the golden
// files hold ITF-SCC, which ignores it).
TEST(NumericCodes, GivenDisplayTextUngroupsIdentcode) {
  BarcodeSettings settings = InitSettings();
  settings.data = U"12345678901", settings.displayText = U"XYZ", settings.showText = 1;
  test::RecordingTarget identcode;
  RenderIdentcode(&identcode, settings, IdentcodeEncoding(settings.data, U""));
  std::u32string shown;
  for (const test::RecordedCall& call : identcode.Only("text")) shown += call.text;
  EXPECT_EQ(shown, U"123456789016");
}

}  // namespace
}  // namespace kbc
