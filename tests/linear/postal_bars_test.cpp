// PostNet, RM4SCC and FIM: known answers, bar states against zint, and the
// geometry of the text variant.
#include "linear/postal_bars.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "support/recording_target.h"
#include "support/zint_dump.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// zint draws one bar every other module, in rows from the top: FIM's one row
// ('1' a bar); PostNet's tall tops over all bars ('1' tall, '0' short);
// RM4SCC's ascenders, trackers and descenders (as bar states).
std::string ZintBars(const std::vector<std::string>& args) {
  const std::vector<std::string> rows = test::ZintModuleRows(args);
  std::string bars;
  for (std::size_t x = 0; !rows.empty() && x < rows.back().size(); x += 2) {
    const bool top = rows[0][x] == '1', bottom = rows.back()[x] == '1', middle = rows[rows.size() / 2][x] == '1';
    if (rows.size() == 1) bars += top ? '1' : '0';
    if (rows.size() == 2 && bottom) bars += top ? '1' : '0';
    if (rows.size() == 3 && middle) bars += char('1' + (bottom ? 1 : 0) + (top ? 2 : 0));
  }
  while (rows.size() == 1 && bars.ends_with('0')) bars.pop_back();  // the last hexadecimal digit's padding
  return bars;
}

std::string Narrow(std::u32string_view s) { return std::string(s.begin(), s.end()); }

// zint's corpus below covers the bars of every length; here the digits kept.
TEST(PostNet, KnownAnswers) {
  const struct {
    const char* source;
    std::u32string_view data;
    std::u32string_view digits;
    int check;
  } rows[] = {
      {"worked example: sum 15", U"12345", U"12345", 5},
      {"3 digits take two leading zeros", U"123", U"00123", 4},
      {"6 digits pad to ZIP+4", U"123456", U"000123456", 9},
      {"13 digits cut to the first 11", U"1234567890123", U"12345678901", 4},
      {"separators dropped", U"12345-6789", U"123456789", 5},
      {"sum a multiple of 10", U"55000", U"55000", 0},
  };
  for (const auto& row : rows) {
    const std::u32string digits = PostNetDigits(row.data);
    EXPECT_EQ(digits, row.digits) << row.source;
    EXPECT_EQ(PostNetCheckDigit(digits), row.check) << row.source;
  }
  // Frame, 1 2 3 4 5, check 5, frame.
  EXPECT_EQ(EncodePostNet(U"12345"), "1" "00011" "00101" "00110" "01001" "01010" "01010" "1");
}

TEST(Rm4scc, CheckCharacters) {
  const struct {
    const char* source;
    std::u32string_view data;
    char32_t check;
  } rows[] = {
      {"Royal Mail example SN34RD1A", U"SN34RD1A", U'K'},
      {"lower case raised, punctuation dropped", U"sn3-4rd 1a", U'K'},
      {"sums of 12 count as row 6, column 6", U"000000Z", U'Z'},
      {"sums of 7 give row 1, column 1", U"0000000", U'0'},
  };
  for (const auto& row : rows) EXPECT_EQ(Rm4sccCheckCharacter(Rm4sccCharacters(row.data)), row.check) << row.source;
}

// A seeded corpus of every PostNet length class, RM4SCC of 7 to 12 mixed
// characters, and the four marks, each against zint 2.11 --dump of the same data.
TEST(PostalBars, StatesMatchZint) {
  std::mt19937 random(20261207);
  const auto text = [&](std::string_view alphabet, std::size_t length) {
    std::u32string s;
    for (std::size_t i = 0; i < length; ++i) s += char32_t(alphabet[random() % alphabet.size()]);
    return s;
  };
  for (int round = 0; round < 8; ++round) {
    const std::u32string digits = PostNetDigits(text("0123456789", 1 + random() % 13));
    SCOPED_TRACE("PostNet " + Narrow(digits));
    EXPECT_EQ(EncodePostNet(digits), ZintBars({"-b", "40", "-d", Narrow(digits)}));
  }
  for (int round = 0; round < 8; ++round) {
    const std::u32string data = text("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", 7 + random() % 6);
    SCOPED_TRACE("RM4SCC " + Narrow(data));
    EXPECT_EQ(EncodeRm4scc(data), ZintBars({"-b", "70", "-d", Narrow(data)}));
  }
  for (const char letter : std::string_view("ABCD")) {
    SCOPED_TRACE(std::string("FIM ") + letter);
    EXPECT_EQ(ZintBars({"-b", "49", "-d", std::string(1, letter)}), FimPattern(std::u32string(1, char32_t(letter))));
  }
}

// What is carried is what the warnings compare; short data is refused.
TEST(PostalBars, EncodingsCarryTheirCharactersAndRefuseShortData) {
  const struct {
    Encoder encode;
    std::u32string_view data, encoded;
    std::int64_t width;  // 0: refused
    std::string_view refusal;
  } rows[] = {
      {PostNetEncoding, U"1234567890123", U"12345678901", 184, ""},  // cut to a delivery point
      {Rm4sccEncoding, U"sn34rd1a", U"SN34RD1A", 152, ""},   // 4 × 9 + 2 bars 4 apart
      {Rm4sccEncoding, U"SN-34R", U"", 0, "RM4SCC needs at least 7 letters or digits (got 5)"},
      {FimEncoding, U"c", U"c", 90, ""},
      {FimEncoding, U"E", U"", 0, "FIM needs one of the letters A, B, C or D"},
  };
  for (const auto& row : rows) {
    const Result<EncodedSymbol> symbol = row.encode(row.data, U"", {});
    EXPECT_EQ(symbol.refusal, row.refusal) << ToUtf8(row.data);
    if (!symbol) continue;
    EXPECT_EQ(symbol->encoded, row.encoded) << ToUtf8(row.data);
    EXPECT_EQ(symbol->width, row.width) << ToUtf8(row.data);
  }
}

// The text variant sets the bars above a text line of the display text alone
// (the golden files hold the plain variants and FIM, which never has text).
TEST(PostalBars, GeometryWithText) {
  using Box = std::array<double, 4>;
  const struct {
    const char* what;
    Encoder encode;
    Renderer render;
    std::u32string data;
    Box image, firstBar, secondBar, lastBar;
    std::vector<double> textX;
  } rows[] = {
      {"PostNet: bars 18 up", PostNetEncoding, RenderPostNet, U"12345", {0, 0, 94, 25}, {0, 18, 1, 7}, {3, 18, 1, 2}, {93, 18, 1, 7},
       {5, 20, 35}},
      {"RM4SCC: bars 17 up", Rm4sccEncoding, RenderRm4scc, U"SN34RD1", {0, 0, 136, 38}, {0, 25, 2, 13}, {4, 17, 2, 21},
       {132, 17, 2, 21}, {5, 20, 36}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    BarcodeSettings s = InitSettings();
    s.data = row.data, s.showText = 1, s.displayText = U"ABC", s.opaqueBackground = 1;
    test::RecordingTarget target;
    test::RenderOnto(target, row.render, s, *row.encode(row.data, U"", {}));
    std::vector<Box> rects;
    for (const test::RecordedCall& call : target.Only("fillrect")) rects.push_back({call.a, call.b, call.c, call.d});
    std::vector<double> textX;
    for (const test::RecordedCall& call : target.Only("text")) {
      textX.push_back(call.a);
      EXPECT_EQ(call.b, 1);
    }
    ASSERT_GE(rects.size(), 4u);
    EXPECT_EQ((std::vector<Box>{rects[0], rects[1], rects[2], rects.back()}),
              (std::vector<Box>{row.image, row.firstBar, row.secondBar, row.lastBar}));
    EXPECT_EQ(textX, row.textX);
  }
}

}  // namespace
}  // namespace kbc
