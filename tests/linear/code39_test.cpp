// Code 39, Code 32 and PZN (drawn as Code 39), and Code 93: known answers,
// zint's element sequences, and the data check's width against the drawing.
#include "linear/code39.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "check/validate.h"
#include "core/symbology.h"
#include "dispatch/render_barcode.h"
#include "linear/code93.h"
#include "linear/pzn.h"
#include "support/recording_target.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

struct Drawing {
  double left = 1e9, right = 0, bottom = 1e9, top = 0;
  std::u32string text;
  std::vector<int> textX;
};

BarcodeSettings Request(SymbologyType type, std::u32string_view data, double trim = 0) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = type, settings.data = data, settings.trim = trim, settings.showText = 1;
  return settings;
}

Drawing Draw(SymbologyType type, std::u32string_view data, double trim = 0) {
  test::RecordingTarget target;
  const BarcodeSettings settings = Request(type, data, trim);
  DrawCheckedSymbol(&target, settings, CheckBarcodeData(settings));
  Drawing drawn;
  for (const test::RecordedCall& bar : target.Only("fillrect")) {
    drawn.left = std::min(drawn.left, bar.a), drawn.right = std::max(drawn.right, bar.a + bar.c);
    drawn.bottom = std::min(drawn.bottom, bar.b), drawn.top = std::max(drawn.top, bar.b + bar.d);
  }
  for (const test::RecordedCall& item : target.Only("text")) {
    drawn.text += item.text;
    drawn.textX.push_back(int(item.a));
  }
  return drawn;
}

double CheckedWidth(SymbologyType type, std::u32string_view data) {
  const DataCheck check = CheckBarcodeData(Request(type, data));
  return check.image ? check.image->width : 0;
}

// Known answers: worked examples of the symbologies' definitions. Bars stand
// from 16 to the image height (48, less the trim capped at 25).
TEST(NineElementCodes, KnownAnswers) {
  const struct {
    SymbologyType type;
    std::u32string_view data;
    double trim;
    double width;
    std::u32string_view text;
  } rows[] = {
      {kCode39, U"ABC", 0, 79, U"*ABC*"},
      {kCode39, U"*ABC", 0, 79, U"*ABC*"},     // only the missing star is added
      {kCode39, U"abc", 0, 127, U"*abc*"},     // +A +B +C: eight characters
      {kCode39, U"AB*\u00E9", 0, 79, U"*AB**"},  // the dropped character leaves two stars
      {kCode32, U"1234567", 30, 127, U"A012345676"},  // carries *0CSSBD*
      {kCode93, U"Q", 0, 46, U"Q"},
      {kCode93, U"a", 0, 55, U"a"},            // (+)A
      {kCode93, U"\u00E9", 0, 37, U"\u00E9"},  // nothing left: start, C, K, stop
      {kPzn, U"1234567", 100, 175, U"PZN - 12345678"},
      {kPzn, U"12", 0, 175, U"PZN - 00000129"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(SymbologyName(row.type)) + " row of width " + std::to_string(row.width));
    const Drawing drawn = Draw(row.type, row.data, row.trim);
    EXPECT_EQ(drawn.left, 0);
    EXPECT_EQ(drawn.right, row.width);
    EXPECT_EQ(CheckedWidth(row.type, row.data), row.width);
    EXPECT_EQ(drawn.bottom, 16);
    EXPECT_EQ(drawn.top, row.trim >= 25 ? 23 : 48 - row.trim);
    EXPECT_EQ(drawn.text, row.text);
    for (std::size_t i = 0; i < drawn.textX.size(); ++i) EXPECT_EQ(drawn.textX[i], 5 + 7 * int(i));
  }
  EXPECT_EQ(Code32ToBase32(Code32Number(U"12345678")), U"3PRM8N");  // check digit 8
  EXPECT_EQ(CheckedWidth(kPzn, U"3"), 0);  // 3 × 7 leaves 10 modulo 11: no check digit
}

// What each symbol carries, for the warnings to compare with the data given.
TEST(NineElementCodes, CarriedData) {
  using Encoding = EncodedSymbol (*)(std::u32string_view, std::u32string_view);
  const struct {
    Encoding encode;
    std::u32string_view data, encoded;
  } rows[] = {
      {Code39Encoding, U"AB*\u00E9", U"*AB**"},
      {Code32Encoding, U"1234567", U"012345676"},
      {PznEncoding, U"12", U"00000129"},
      {Code93Encoding, U"\u00E9a", U"a"},  // no pattern beyond ASCII
  };
  for (const auto& row : rows) {
    const EncodedSymbol symbol = row.encode(row.data, U"");
    EXPECT_EQ(symbol.encoded, row.encoded);
    EXPECT_EQ(symbol.width, ModuleCount(symbol.elements));
  }
  const EncodedSymbol refused = PznEncoding(U"3", U"");
  EXPECT_EQ(refused.refusal,
            "PZN 0000003 has no valid check digit (its weighted sum leaves 10 modulo 11); check the number");
  EXPECT_TRUE(refused.elements.empty());
}

// Published example TEST93: C "+", K "6". A capital of value v: C = v, K = 3v mod 47 (Q: 26, 31).
TEST(Code93, CheckCharacters) {
  for (const auto& [data, c, k] : {std::tuple{U"TEST93", U'+', U'6'}, {U"Q", U'Q', U'V'}}) {
    EXPECT_EQ(Code93CheckCharacters(data).c, c);
    EXPECT_EQ(Code93CheckCharacters(data).k, k);
  }
}

// zint 2.11 draws Code 39 wide elements 2 modules wide, so narrow/wide
// sequences are compared; Code 93 (type 25) modules are compared exactly.
// zint's extended Code 39 (type 9) writes "$ / + %" as pairs where we draw
// basic characters, and takes no "*": those go through its plain Code 39.
TEST(NineElementCodes, ElementsMatchZint) {
  const std::u32string basic = U"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%";
  std::vector<std::tuple<std::string, std::u32string, ElementWidths>> rows = {
      {"8", basic, Code39Encoding(basic, U"").elements},
      {"129", U"1234567", Code32Encoding(U"1234567", U"").elements},
      {"52", U"12", PznEncoding(U"12", U"").elements},
  };
  // Every code below 128; zint takes at most 85 Code 39 characters (fewer in Code 93).
  for (char32_t from = 0; from < 128; from += 30) {
    std::u32string part;
    for (char32_t c = from; c < 128 && c < from + 30; ++c) part.push_back(c);
    rows.emplace_back("25", part, Code93Encoding(part, U"").elements);
    std::erase_if(part, [](char32_t c) { return std::u32string_view(U"$/+%*").find(c) != std::u32string_view::npos; });
    rows.emplace_back("9", part, Code39Encoding(part, U"").elements);
  }
  for (const auto& [zintType, data, elements] : rows) {
    std::string escaped;  // every character as \xNN, so control characters reach zint intact
    for (const char32_t c : data) escaped += {'\\', 'x', "0123456789ABCDEF"[c / 16], "0123456789ABCDEF"[c % 16]};
    SCOPED_TRACE("zint -b " + zintType + " " + escaped);
    const std::vector<std::string> zint = test::ZintModuleRows({"-b", zintType, "--esc", "-d", escaped});
    ASSERT_EQ(zint.size(), 1u);
    const std::string ours = test::ElementsAsModules(elements);
    if (zintType == "25") {
      EXPECT_EQ(zint[0].substr(0, ours.size()), ours);
      EXPECT_EQ(zint[0].find('1', ours.size()), std::string::npos);
    } else {
      EXPECT_EQ(test::NarrowWideSequence(zint[0]), test::NarrowWideSequence(ours));
    }
  }
}

}  // namespace
}  // namespace kbc
