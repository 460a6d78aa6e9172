// Telepen's character set, compaction, check character and bars against zint.
#include "linear/telepen.h"

#include <gtest/gtest.h>

#include <bit>

#include "core/symbology.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

// Reads a pattern back into its byte: element pairs "11" are a 1 bit, "31" is
// 00, "33" is 010, and "13" opens or closes a 0 1...1 0 block.
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
  if (bits.size() != 8) return -1;
  int byte = 0;
  for (std::size_t i = 0; i < 8; ++i) byte |= (bits[i] - '0') << i;
  return byte;
}

// Every entry is 16 units and reads back as its own code with even parity;
// the named rows are the ones the character set's description gives.
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
  EXPECT_EQ(TelepenPatterns[1], "1131313111");
  EXPECT_EQ(TelepenPatterns[95], "111111111133");
  EXPECT_EQ(TelepenPatterns[122], "331111111111");
  EXPECT_EQ(TelepenPatterns[127], "1111111111111111");
}

TEST(Telepen, CompactionCheckAndWidth) {
  const struct {
    const char* source;
    std::u32string data;
    std::u32string characters;
    int check;
    int width;
  } rows[] = {
      {"1234 packs into codes 39 and 61", U"1234", U"\x27\x3D", 27, 80},
      {"AB: 127 - 131 mod 127 = 123", U"AB", U"AB", 123, 80},
      {"odd digit count is not packed", U"123", U"123", 127 - (49 + 50 + 51) % 127, 96},
      {"a sum divisible by 127 gives 127", U"~\x01", U"~\x01", 127, 80},
      {"the last 30 of 31 characters, code 128 and above removed",
       U"x" + std::u32string(28, U'a') + U"\u00E9b", std::u32string(28, U'a') + U"b", 127 - (28 * 97 + 98) % 127,
       16 * 32},
  };
  for (const auto& row : rows) {
    const std::u32string characters = TelepenCharacters(row.data);
    EXPECT_EQ(characters, row.characters) << row.source;
    EXPECT_EQ(TelepenCheckCharacter(characters), row.check) << row.source;
    EXPECT_EQ(ModuleCount(TelepenElements(characters)), row.width) << row.source;
  }
}

// zint's Telepen (and Telepen Numeric for even digit strings) draws the same
// modules; its table has no entry 127, so only data whose check is not 127.
TEST(Telepen, ModulesMatchZint) {
  const struct {
    std::string symbology;
    std::string data;
  } rows[] = {{"32", "AB"}, {"32", "Hello, World!"}, {"32", "123"}, {"87", "1234"}, {"87", "00998877665544332211"}};
  for (const auto& row : rows) {
    const std::u32string data(row.data.begin(), row.data.end());
    const std::vector<std::string> zint = test::ZintModuleRows({"-b", row.symbology, "-d", row.data});
    ASSERT_EQ(zint.size(), 1u) << row.data;
    const std::string ours = test::ElementsAsModules(TelepenElements(TelepenCharacters(data)));
    EXPECT_EQ(zint[0].substr(0, ours.size()), ours) << row.data;
  }
}

}  // namespace
}  // namespace kbc
