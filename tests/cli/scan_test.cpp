// The pairwise argument scan, the parsing and clamping of every option, and the
// operating-system gate of the front end.
#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <vector>

#include "cli/front_end.h"
#include "cli/os_gate.h"
#include "core/symbology.h"

namespace kbc {
namespace {

CommandLine Scan(std::vector<std::string_view> rest) {
  rest.insert(rest.begin(), "KestrovaBarCode");
  return ScanArguments(rest);
}

TEST(ArgumentScan, PairsAdvanceOneArgumentAtATime) {
  using enum OutputAction;
  struct Row {
    const char* why;
    std::vector<std::string_view> args;
    OutputAction action;
    std::u32string data;
    SymbologyType symbology;
    std::string unknownName;  // the unknown -action or -type word
  };
  const Row rows[] = {
      {"-data is the last argument", {"-action", "clip", "-data"}, Clipboard, U"", kEan13, ""},
      {"a value is also an option", {"-data", "-type", "-type", "QRCode", "-action", "clip"}, Clipboard, U"-type",
       kQrCode, ""},
      {"fewer than four arguments", {"-type", "QRCode"}, None, U"", kEan13, ""},
      {"invalid action clears one", {"-action", "tiff", "-action", "word"}, None, U"", kEan13, "word"},
      {"unknown type", {"-type", "ean-13", "-x", "y"}, None, U"", kNoSymbology, "ean-13"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const CommandLine line = Scan(row.args);
    EXPECT_EQ(line.action, row.action);
    EXPECT_EQ(line.settings.data, row.data);
    EXPECT_EQ(line.settings.symbology, row.symbology);
    EXPECT_EQ(line.unknownAction + line.unknownType, row.unknownName);
  }
}

TEST(ArgumentScan, ActionWordsAreExactAndCaseSensitive) {
  const std::pair<std::string_view, OutputAction> rows[] = {
      {"clip", OutputAction::Clipboard}, {"epsf", OutputAction::Eps}, {"jpeg", OutputAction::Jpeg},
      {"pdff", OutputAction::Pdf},       {"pngf", OutputAction::Png}, {"svgf", OutputAction::Svg},
      {"tiff", OutputAction::Tiff},      {"TIFF", OutputAction::None}, {" svgf", OutputAction::None},
  };
  for (const auto& [word, action] : rows) EXPECT_EQ(Scan({"-action", word, "-x", "y"}).action, action) << word;
}

double FieldOf(const BarcodeSettings& s, std::string_view option) {
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

// The design document's clamping examples, plus overflow and leading-number reads.
TEST(OptionValues, ParsedAndClamped) {
  const std::tuple<std::string_view, std::string_view, double> rows[] = {
      {"-scale", "10", 50},          {"-scale", "400", 150},        {"-scale", "abc", 50},
      {"-scale", " 75px", 75},       {"-scale", "99999999999", 150}, {"-trim", "-5", 0},
      {"-trim", "250", 100},         {"-trim", "25", 25},           {"-fontsize", "-3", 1.0},
      {"-fontsize", "0", 0.0},       {"-fontsize", "200", 96.0},    {"-fontsize", "12.5", 12.5},
      {"-fontsize", "1e400", 96.0},  {"-antialiasoff", "5", 1},     {"-antialiasoff", "65536", 0},
      {"-antialiasoff", "32768", 0}, {"-fontsmoothoff", "1", 1},    {"-colmode", "7", 2},
      {"-colmode", "-1", 0},         {"-coltrans", "3", 1},         {"-coltrans", "-2", 0},
      {"-fcolcomponent1", "2", 1.0}, {"-fcolcomponent5", "-0.5", 0.0}, {"-bcolcomponent3", ".5", 0.5},
  };
  for (const auto& [option, value, expected] : rows) {
    EXPECT_EQ(FieldOf(Scan({option, value, "-x", "y"}).settings, option), expected) << option << " " << value;
  }
  EXPECT_EQ(Scan({"-scale", "60", "-bogus", "1", "-scale", "70"}).settings.scale, 70.0);
}

TEST(OptionValues, TextOptions) {
  const CommandLine line = Scan({"-data", "A\\nB\\r\\t\\f\\v", "-addon", "A\\nB", "-disp", "\xA5"});
  EXPECT_EQ(line.settings.data, U"A\nB\r\t\f\v");
  EXPECT_EQ(line.settings.addon, U"A\\nB");
  EXPECT_EQ(line.settings.displayText, U"\u2022");  // Mac OS Roman bullet
  EXPECT_EQ(Scan({"-data", "\xDB\x8E\xF0", "-x", "y"}).settings.data, U"\u20AC\u00E9\uF8FF");
  EXPECT_EQ(Scan({"-output", "/tmp//a/./b.svg", "-x", "y"}).outputPath, "/tmp/a/b.svg");
  EXPECT_EQ(Scan({"-output", "caf\xC3\xA9.svg", "-x", "y"}).outputPath, "caf\xC3\xA9.svg");  // bytes kept
}

TEST(SystemGate, VersionNumberAndThreshold) {
  EXPECT_EQ(FormatSystemVersionNumber(10, 15, 0), 101500);
  EXPECT_EQ(FormatSystemVersionNumber(14, 2, 1), 140201);
  EXPECT_FALSE(SystemVersionAccepted(101499));
  EXPECT_TRUE(SystemVersionAccepted(SystemVersionNumber()));
}

}  // namespace
}  // namespace kbc
