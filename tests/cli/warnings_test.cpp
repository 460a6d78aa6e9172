// Requests that are drawn, but not as given: one warning line on stderr and
// exit status 0; each beside its silent counterpart, whose change the symbol
// shows or which loses nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/process.h"

namespace kbc {
namespace {

struct WarningRow {
  const char* why;
  std::vector<std::string> args;  // -action and -output are added for the file
  std::string warning;            // a part of the warning line; empty: no warning at all
  std::string action = "svgf";
};

// Twenty-six element strings of 94 characters: 109 beyond Data Matrix's 2,335.
std::string LongElementString() {
  std::string elements;
  for (int i = 0; i < 26; ++i) elements += "[91]" + std::string(90, '1');
  return elements;
}

TEST(Warnings, DataChangedBeyondRecognitionIsNamed) {
  const WarningRow rows[] = {
      {"cut at a space", {"-type", "ISBN", "-data", "ISBN 978-0-306-40615-7"},
       "cut off \" 978-0-306-40615-7\"; encoded \"9780000000002\" instead"},
      {"hyphens between digits are separators", {"-type", "ISBN", "-data", "978-0-306-40615-7"}, ""},
      {"letters dropped from digits", {"-type", "EAN-13", "-data", "12ab34"},
       "dropped \"ab\"; encoded \"0000000012348\" instead"},
      {"zero padding is no change", {"-type", "EAN-13", "-data", "1234"}, ""},
      {"cut at the length limit", {"-type", "MicroQR", "-data", "1234567890123456"}, "cut off \"6\""},
      {"a GS1 element string cut at the length limit", {"-type", "DataMatrix", "-gs1", "1", "-data", LongElementString()},
       "cut off \"111111111111111[91]111111111111111111111\"... (109 characters)"},
      {"the brackets of a GS1 element string are no change",
       {"-type", "Databar-Expanded", "-gs1", "1", "-data", "[01]98898765432106[3202]012345"}, ""},
      {"a character Code 128 cannot hold (Mac OS Roman \\x8E is e-acute)", {"-type", "Code-128", "-data", "Caf\x8E"},
       "dropped \"\xC3\xA9\"; encoded \"Caf\" instead"},
      {"e-acute typed as UTF-8", {"-type", "Code-128", "-data", "Caf\xC3\xA9"},
       "data \"Caf\xC3\xA9\": dropped \"\xC3\xA9\"; encoded \"Caf\" instead"},
      {"a wrong check digit", {"-type", "EAN-13", "-data", "5901234123458"},
       "replaced the check digit 8 by the computed 7; encoded \"5901234123457\""},
      {"the right check digit", {"-type", "EAN-13", "-data", "5901234123457"}, ""},
      {"a wrong UPC-A check digit", {"-type", "UPC-A", "-data", "036000291453"}, "check digit 3 by the computed 2"},
      {"a wrong EAN-8 check digit", {"-type", "EAN-8", "-data", "96385073"}, "check digit 3 by the computed 4"},
      // GS1 General Specifications 7.9: EAN-14, EAN-18 and ITF-14 keep the digit given.
      {"a wrong EAN-14 check digit", {"-type", "EAN-14", "-data", "10012345678901"},
       "EAN-14 data \"10012345678901\": the check digit 1 is not the computed 2; encoded as given"},
      {"the right EAN-14 check digit", {"-type", "EAN-14", "-data", "10012345678902"}, ""},
      {"a wrong EAN-18 check digit", {"-type", "EAN-18", "-data", "001234560000000019"},
       "the check digit 9 is not the computed 8"},
      {"a wrong ITF-14 check digit", {"-type", "ITF-14", "-data", "10012345678901"},
       "the check digit 1 is not the computed 2"},
      // ISO 2108 and ISO 3297 examples: ISBN 0-306-40615-2, ISSN 0317-8471.
      {"a wrong ISBN-10 check character", {"-type", "ISBN", "-data", "0-306-40615-3"},
       "the check digit 3 is not the computed 2; encoded \"9780306406157\" instead"},
      {"the right ISBN-10 check character X", {"-type", "ISBN", "-data", "080442957X"}, ""},
      {"a wrong ISSN check character", {"-type", "ISSN", "-data", "0317-8472"},
       "the check digit 2 is not the computed 1; encoded \"9770317847001\" instead"},
      {"the right ISSN check character", {"-type", "ISSN", "-data", "0317-8471"}, ""},
      {"a wrong UPC-E check digit", {"-type", "UPC-E", "-data", "04252610"}, "check digit 0 by the computed 4"},
      {"a wrong PZN check digit", {"-type", "PZN", "-data", "12345679"}, "check digit 9 by the computed 8"},
      {"a wrong Identcode check digit", {"-type", "Identcode", "-data", "123456789017"},
       "check digit 7 by the computed 6"},
      {"a DataBar GTIN-14 with a wrong check digit", {"-type", "Databar-Omnidirectional", "-data", "20012345678901"},
       "check digit 1 by the computed 9"},
      {"PostNet beyond a delivery point", {"-type", "PostNet", "-data", "1234567890123"}, "dropped \"23\""},
      {"unstarred Code 39 beyond ASCII", {"-type", "Code-39", "-data", "AB\x8E"}, "dropped \"\xC3\xA9\""},
      {"Code 39 given its own stars", {"-type", "Code-39", "-data", "*AB*"}, ""},
      {"Code 32 takes nine of ten digits", {"-type", "Code-32", "-data", "1234567880"},
       "cut off \"0\"; encoded \"123456788\""},
      {"RM4SCC in lower case, with a character it lacks", {"-type", "RM4SCC", "-data", "sn34!1aa"},
       "dropped \"!\"; encoded \"SN341AA\""},
      {"an add-on for a type without one", {"-type", "UPC-E", "-data", "04252614", "-addon", "12"},
       "UPC-E takes no add-on; it was dropped"},
      {"an add-on cut at five digits", {"-addon", "512999"}, "add-on \"512999\": cut off \"9\"; kept \"51299\""},
      {"an add-on of five digits", {"-addon", "51299"}, ""},
      {"a scale above the range", {"-scale", "200"}, "-scale 200 is outside 50..150, so 150 is used"},
      {"a scale that is no number", {"-scale", "big"}, "-scale \"big\" is read as 0, outside 50..150, so 50 is used"},
      {"a scale with a fraction", {"-scale", "99.5"}, "-scale \"99.5\" is read as 99"},
      {"a colour component in 0..255", {"-fcolcomponent1", "255"}, "-fcolcomponent1 255 is outside 0..1"},
      {"a switch whose low 16 bits are 0", {"-antialiasoff", "65536"}, "counts as off", "pngf"},
      {"CMYK colours in a PNG", {"-colmode", "2", "-fcolcomponent5", "1"},
       "the CMYK colours were converted to RGB", "pngf"},
      {"CMYK colours in a TIFF", {"-colmode", "2", "-fcolcomponent5", "1"}, "", "tiff"},
      {"grey bars keep their default alpha of 0", {"-colmode", "0"}, "fully transparent", "pngf"},
      {"grey bars made opaque", {"-colmode", "0", "-fcolcomponent2", "1"}, "", "pngf"},
      {"EPS has no alpha", {"-colmode", "0"}, "", "epsf"},
      {"PDF draws alpha", {"-fcolcomponent4", "0"}, "give -fcolcomponent4 1", "pdff"},
  };
  const std::string folder = test::TempDir();
  for (const WarningRow& row : rows) {
    SCOPED_TRACE(row.why);
    std::vector<std::string> args = {"-type", "EAN-13", "-data", "590123412345"};
    args.insert(args.end(), row.args.begin(), row.args.end());
    args.insert(args.end(), {"-action", row.action, "-output", folder + "/warned." + row.action});
    const auto run = test::RunKbc(args);
    EXPECT_EQ(run.status, 0);
    // -strict 1 refuses each warning kind with its own text, and writes nothing.
    const std::string strictOutput = folder + "/strict." + row.action;
    args.insert(args.end(), {"-strict", "1", "-output", strictOutput});
    const auto strict = test::RunKbc(args);
    EXPECT_EQ(strict.status, row.warning.empty() ? 0 : 1);
    EXPECT_EQ(std::filesystem::exists(strictOutput), row.warning.empty());
    std::filesystem::remove(strictOutput);
    if (row.warning.empty()) {
      EXPECT_EQ(run.err, "");
      EXPECT_EQ(strict.err, "");
      continue;
    }
    EXPECT_TRUE(run.err.starts_with("KestrovaBarCode: warning: ")) << run.err;
    EXPECT_EQ(std::ranges::count(run.err, '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(row.warning), std::string::npos) << run.err;
    EXPECT_EQ(strict.err, "KestrovaBarCode: " + run.err.substr(std::string_view("KestrovaBarCode: warning: ").size()));
  }
}

// Misspelt options are still ignored, but named with the nearest one; an
// option's value spelt like an option is no misspelling.
TEST(Warnings, MisspeltOptionsNameTheNearest) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } rows[] = {
      {{"-type", "EAN-13", "-data", "590123412345", "-action", "svgf", "-outptu", "a.svg"}, 1,
       "KestrovaBarCode: warning: unknown option -outptu ignored; did you mean -output?\n"
       "KestrovaBarCode: no -output path given for -action svgf\n"},
      {{"--type", "Code-128", "-data", "590123412345", "-action", "svgf", "-output", "@"}, 0,
       "KestrovaBarCode: warning: unknown option --type ignored; did you mean -type?\n"},
      {{"-type", "Code-128", "-data", "A", "-colour", "1", "-action", "svgf", "-output", "@"}, 0,
       "KestrovaBarCode: warning: unknown option -colour ignored\n"},
      {{"-type", "Code-128", "-data", "-colour", "-action", "svgf", "-output", "@"}, 0, ""},
      {{"-type", "Code-128", "-data", "A", "-action", "png", "-output", "@"}, 2,
       "KestrovaBarCode: unknown -action \"png\"; did you mean \"pngf\"?\n"},
      {{"-type", "Code-128", "-data", "Hello", "World", "-action", "svgf", "-output", "@"}, 0,
       "KestrovaBarCode: warning: argument \"World\" belongs to no option; it was ignored (quote data that holds "
       "spaces)\n"},
      {{"-type", "Code-128", "-data", "-x", "World", "-action", "svgf", "-output", "@"}, 0,
       "KestrovaBarCode: warning: argument \"World\" belongs to no option; it was ignored (quote data that holds "
       "spaces)\n"},
      // Under -strict 1 they are refused before anything else is judged.
      {{"-type", "Code-128", "-data", "A", "-strict", "1", "-antialiasof", "1", "-action", "pngf", "-output", "@"}, 2,
       "KestrovaBarCode: unknown option -antialiasof ignored; did you mean -antialiasoff?\n"},
      {{"-type", "Code-128", "-data", "Lot", "7", "-strict", "1", "-action", "svgf", "-output", "@"}, 2,
       "KestrovaBarCode: argument \"7\" belongs to no option; it was ignored (quote data that holds spaces)\n"},
      {{"-strict", "1", "-type", "Code-128", "-data", "A", "-action", "svgf", "-output", "@"}, 0, ""},
  };
  const std::string output = test::TempDir() + "/misspelt.svg";
  for (auto row : rows) {
    std::ranges::replace(row.args, std::string("@"), output);
    std::filesystem::remove(output);
    const auto run = test::RunKbc(row.args);
    EXPECT_EQ(run.status, row.status) << row.err;
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(std::filesystem::exists(output), row.status == 0) << row.err;
  }
}

// A font configuration without fonts: text cannot be drawn, and the run says so once.
TEST(Warnings, MissingFontsAreNamedOnce) {
  const std::string config = test::TempDir() + "/no-fonts.conf";
  {
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
  }
  for (const std::string action : {"pngf", "pdff"}) {
    const auto run = test::RunKbc({"-type", "EAN-13", "-data", "590123412345", "-action", action, "-output",
                                   test::TempDir() + "/no-fonts." + action},
                                  {"FONTCONFIG_FILE=" + config});
    EXPECT_EQ(run.status, 0) << action;
    EXPECT_EQ(run.err, "KestrovaBarCode: warning: no font could be loaded, so the human-readable text is missing "
                       "from the image\n")
        << action;
    const std::string strictOutput = test::TempDir() + "/no-fonts-strict." + action;
    const auto strict = test::RunKbc({"-strict", "1", "-type", "EAN-13", "-data", "590123412345", "-action", action,
                                      "-output", strictOutput},
                                     {"FONTCONFIG_FILE=" + config});
    EXPECT_EQ(strict.status, 1) << action;
    EXPECT_FALSE(std::filesystem::exists(strictOutput)) << action;
  }
}

}  // namespace
}  // namespace kbc
