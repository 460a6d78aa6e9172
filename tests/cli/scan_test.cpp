// The pairwise argument scan and the parsing and clamping of every option.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "cli/front_end.h"
#include "cli/registry.h"

namespace kbc {
namespace {

CommandLine Scan(std::initializer_list<std::string_view> rest) {
  std::vector<std::string_view> args{"KestrovaBarCode"};
  args.insert(args.end(), rest.begin(), rest.end());
  return ScanArguments(args);
}

TEST(ArgumentScan, ThreeArgumentsLeaveTheLastOptionWithoutValue) {
  const CommandLine line = Scan({"-action", "clip", "-data"});
  EXPECT_EQ(line.action, OutputAction::Clipboard);
  EXPECT_TRUE(line.settings.data.empty());
}

TEST(ArgumentScan, ValueSpelledLikeAnOptionIsAlsoThatOption) {
  const CommandLine line = Scan({"-data", "-type", "-type", "QRCode", "-action", "clip"});
  EXPECT_EQ(line.settings.data, U"-type");
  EXPECT_EQ(line.settings.symbology, kQrCode);
  EXPECT_EQ(line.action, OutputAction::Clipboard);
  EXPECT_EQ(line.settings.placementMode, 3);
}

TEST(ArgumentScan, FewerThanFourArgumentsScanNothing) {
  std::vector<std::string_view> args{"KestrovaBarCode", "-type", "QRCode"};
  EXPECT_EQ(ScanArguments(args).settings.symbology, kEan13);
}

TEST(ArgumentScan, InvalidActionClearsAnEarlierOne) {
  const CommandLine line = Scan({"-action", "tiff", "-action", "word"});
  EXPECT_EQ(line.action, OutputAction::None);
  EXPECT_EQ(line.settings.placementMode, 0);
  EXPECT_EQ(line.unknownAction, "word");
}

TEST(ArgumentScan, LaterOccurrencesOverrideAndUnknownOptionsAreIgnored) {
  const CommandLine line = Scan({"-scale", "60", "-bogus", "1", "-scale", "70"});
  EXPECT_EQ(line.settings.scale, 70.0);
}

TEST(ArgumentScan, DefaultTypeIsEan13) { EXPECT_EQ(Scan({"-action", "clip", "-data", "590123412345"}).settings.symbology, kEan13); }

TEST(ArgumentScan, ActionWordsAreExactAndCaseSensitive) {
  const std::pair<std::string_view, OutputAction> rows[] = {
      {"clip", OutputAction::Clipboard}, {"epsf", OutputAction::Eps}, {"jpeg", OutputAction::Jpeg},
      {"pdff", OutputAction::Pdf},       {"pngf", OutputAction::Png}, {"svgf", OutputAction::Svg},
      {"tiff", OutputAction::Tiff},      {"TIFF", OutputAction::None}, {"eps", OutputAction::None},
      {" svgf", OutputAction::None},
  };
  for (const auto& [word, action] : rows) {
    EXPECT_EQ(Scan({"-action", word, "-x", "y"}).action, action) << word;
  }
}

struct NumericRow {
  std::string_view option;
  std::string_view value;
  double expected;
};

double FieldOf(const CommandLine& line, std::string_view option) {
  const BarcodeSettings& s = line.settings;
  if (option == "-scale") return s.scale;
  if (option == "-trim") return s.trim;
  if (option == "-fontsize") return s.fontSize;
  if (option == "-antialiasoff") return s.antialiasOff;
  if (option == "-fontsmoothoff") return s.fontSmoothOff;
  if (option == "-colmode") return s.colourMode;
  if (option == "-coltrans") return s.opaqueBackground;
  if (option == "-fcolcomponent1") return s.foreground[0];
  if (option == "-fcolcomponent5") return s.foreground[4];
  if (option == "-bcolcomponent3") return s.background[2];
  return -999;
}

TEST(OptionValues, ParsedAndClamped) {
  const NumericRow rows[] = {
      {"-scale", "10", 50},          {"-scale", "400", 150},        {"-scale", "abc", 50},
      {"-scale", "120", 120},        {"-scale", " 75px", 75},       {"-scale", "99999999999", 150},
      {"-trim", "-5", 0},            {"-trim", "250", 100},         {"-trim", "25", 25},
      {"-fontsize", "-3", 1.0},      {"-fontsize", "0", 0.0},       {"-fontsize", "200", 96.0},
      {"-fontsize", "12.5", 12.5},   {"-fontsize", "1e400", 96.0},  {"-fontsize", "1,5", 1.0},
      {"-antialiasoff", "5", 1},     {"-antialiasoff", "65536", 0}, {"-antialiasoff", "-1", 0},
      {"-antialiasoff", "32768", 0}, {"-fontsmoothoff", "1", 1},    {"-colmode", "7", 2},
      {"-colmode", "-1", 0},         {"-colmode", "1", 1},          {"-coltrans", "3", 1},
      {"-coltrans", "-2", 0},        {"-fcolcomponent1", "0.25", 0.25},
      {"-fcolcomponent1", "2", 1.0}, {"-fcolcomponent5", "-0.5", 0.0},
      {"-bcolcomponent3", ".5", 0.5},
  };
  for (const NumericRow& row : rows) {
    const CommandLine line = Scan({row.option, row.value, "-x", "y"});
    EXPECT_EQ(FieldOf(line, row.option), row.expected) << row.option << " " << row.value;
  }
}

TEST(OptionValues, DataIsUnescapedAddonIsNot) {
  const CommandLine line = Scan({"-data", "A\\nB\\r\\t\\f\\v", "-addon", "A\\nB"});
  EXPECT_EQ(line.settings.data, U"A\nB\r\t\f\v");
  EXPECT_EQ(line.settings.addon, U"A\\nB");
}

TEST(OptionValues, BytesAreReadAsMacRoman) {
  const CommandLine line = Scan({"-data", "\xDB\x8E\xF0", "-disp", "\xA5"});
  EXPECT_EQ(line.settings.data, U"\u20AC\u00E9\uF8FF");
  EXPECT_EQ(line.settings.displayText, U"\u2022");
}

TEST(OptionValues, OutputPathIsStandardisedAndKeepsItsBytes) {
  EXPECT_EQ(Scan({"-output", "/tmp//a/./b.svg", "-x", "y"}).outputPath, "/tmp/a/b.svg");
  EXPECT_EQ(Scan({"-output", "caf\xC3\xA9.svg", "-x", "y"}).outputPath, "caf\xC3\xA9.svg");
}

TEST(OptionValues, UnknownTypeGivesNone) {
  const CommandLine line = Scan({"-type", "ean-13", "-x", "y"});
  EXPECT_EQ(line.settings.symbology, kNoSymbology);
  EXPECT_EQ(line.unknownType, "ean-13");
}

}  // namespace
}  // namespace kbc
