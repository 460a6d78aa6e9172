// The two-of-five family: digit tables, element strings, the drawn layout of
// Code 25 and ITF-SCC, and element sequences against zint.
#include "linear/two_of_five.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/symbology.h"
#include "support/recording_target.h"
#include "support/zint_dump.h"

namespace kbc {
namespace {

// Left and right edges of every bar a renderer fills.
std::vector<std::pair<double, double>> BarEdges(const test::RecordingTarget& target) {
  std::vector<std::pair<double, double>> edges;
  for (const test::RecordedCall& call : target.Only("fillrect")) edges.emplace_back(call.a, call.a + call.c);
  return edges;
}

// Code 25 data 12: start bars 2 2 1, digit 1 (3 1 1 1 3), digit 2 (1 3 1 1 3),
// stop 2 1 2, each bar followed by a one-unit space, from x 10; W 64.
TEST(Code25, BarEdgesOfData12) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kCode25;
  settings.data = U"12";
  test::RecordingTarget target;
  RenderCode25(&target, settings);
  const std::vector<std::pair<double, double>> expected = {
      {10, 12}, {13, 15}, {16, 17},                        // start
      {18, 21}, {22, 23}, {24, 25}, {26, 27}, {28, 31},  // 1
      {32, 33}, {34, 37}, {38, 39}, {40, 41}, {42, 45},  // 2
      {46, 48}, {49, 50}, {51, 53},                        // stop
  };
  EXPECT_EQ(BarEdges(target), expected);
  EXPECT_EQ(ModuleCount(Code25Elements(U"12")) + 20, 64);
}

std::string WidthDigits(const ElementWidths& elements) {
  std::string digits;
  for (const std::uint8_t width : elements) digits += char('0' + width);
  return digits;
}

TEST(Interleaved25, ElementStringsAndWidths) {
  std::string itfScc1 = "2222";
  for (int pair = 0; pair < 6; ++pair) itfScc1 += "2222555522";  // 0 with 0
  itfScc1 += "2522525225" "5220";                                 // 22552 with 52225, stop
  const struct {
    const char* source;
    std::u32string digits;
    const TwoOfFiveTable& table;
    std::string elements;
    int quietZones;
    int width;
  } rows[] = {
      {"123 becomes 0123, W 55", EvenDigits(U"123"), Interleaved25Patterns,
       "1111" "1311313113" "1333111131" "3110", 10, 55},
      {"ITF-14 of 13 digits gets a leading 0, W 145", FourteenDigits(U"1234567890123"), Interleaved25Patterns,
       "", 10, 145},
      {"ITF-SCC data 1 is padded to 00000000000001, W 305", FourteenDigits(U"1"), ItfSccPatterns, itfScc1, 64, 305},
  };
  for (const auto& row : rows) {
    const ElementWidths elements = InterleavedElements(row.digits, row.table);
    if (!row.elements.empty()) {
      EXPECT_EQ(WidthDigits(elements), row.elements) << row.source;
    }
    EXPECT_EQ(elements.size(), 5 * row.digits.size() + 8) << row.source;
    EXPECT_EQ(ModuleCount(elements) + row.quietZones, row.width) << row.source;
  }
  EXPECT_EQ(EvenDigits(U"123"), U"0123");
  EXPECT_EQ(FourteenDigits(U"1234567890123"), U"01234567890123");
}

// The frame, stroked 10 wide and set back to 1, then the two H marks, then the
// bars from 32, 26 to 90; the text always the 14 digits, 16 apart from 45.
TEST(ItfScc, FrameMarksBarsAndText) {
  BarcodeSettings settings = InitSettings();
  settings.symbology = kItfScc;
  settings.data = U"1";
  settings.displayText = U"ignored";
  settings.showText = 1;
  test::RecordingTarget target;
  RenderItfScc(&target, settings);
  std::vector<std::string> ops;
  for (const test::RecordedCall& call : target.calls) {
    if (call.op == "linewidth" || call.op == "strokerect") ops.push_back(call.op);
  }
  EXPECT_EQ(ops, (std::vector<std::string>{"linewidth", "strokerect", "linewidth"}));
  EXPECT_EQ(target.Only("linewidth").front().a, 10);
  EXPECT_EQ(target.Only("linewidth").back().a, 1);
  const test::RecordedCall frame = target.Only("strokerect").front();
  EXPECT_TRUE(frame.a == 5 && frame.b == 21 && frame.c == 295 && frame.d == 74);
  const std::vector<test::RecordedCall> fills = target.Only("fillrect");
  const double marks[6][4] = {{11, 49, 2, 16}, {14, 49, 2, 16}, {11, 57, 5, 2},
                              {289, 49, 2, 16}, {292, 49, 2, 16}, {289, 57, 5, 2}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(fills[i].a == marks[i][0] && fills[i].b == marks[i][1] && fills[i].c == marks[i][2] &&
                fills[i].d == marks[i][3])
        << i;
  }
  EXPECT_EQ(fills[6].a, 32);
  EXPECT_TRUE(fills[6].b == 26 && fills[6].d == 64);
  EXPECT_EQ(fills.back().a + fills.back().c, 273);  // 241 units from 32
  const std::vector<test::RecordedCall> text = target.Only("text");
  ASSERT_EQ(text.size(), 14u);
  EXPECT_EQ(text.back().text, U"1");
  EXPECT_TRUE(text.back().a == 45 + 16 * 13 && text.back().b == 7);
}

// zint draws the same narrow/wide sequences: Code 25 as Industrial 2 of 5
// (its wide start bars 3 where ours are 2), Interleaved-25 module for module.
TEST(TwoOfFive, ElementsMatchZint) {
  for (const std::u32string digits : {U"12", U"0123456789", U"9081726354"}) {
    const std::string data(digits.begin(), digits.end());
    SCOPED_TRACE(data);
    const std::vector<std::string> industrial = test::ZintModuleRows({"-b", "7", "-d", data});
    ASSERT_EQ(industrial.size(), 1u);
    EXPECT_EQ(test::NarrowWideSequence(industrial[0]),
              test::NarrowWideSequence(test::ElementsAsModules(Code25Elements(digits))));
    const std::vector<std::string> interleaved = test::ZintModuleRows({"-b", "3", "-d", data});
    ASSERT_EQ(interleaved.size(), 1u);
    const std::string ours = test::ElementsAsModules(InterleavedElements(digits, Interleaved25Patterns));
    EXPECT_EQ(interleaved[0].substr(0, ours.size()), ours);
  }
}

}  // namespace
}  // namespace kbc
