// The font service loads fontconfig's configuration itself, leaving out the
// template scan FcInit adds; every name must resolve under it to what the
// configuration FcInit loads gives: file, face, PostScript name and whether
// the font is installed. Checked under the system's configuration and under a
// user configuration that adds an alias and rejects a font the others resolve to.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fonts/font_match.h"
#include "support/process.h"
#include "text/utf8.h"

namespace kbc {
namespace {

struct Setup {
  const char* label;
  const char* userConfig;  // empty: the system's configuration as it stands
};

void PrintTo(const Setup& setup, std::ostream* os) { *os << setup.label; }

constexpr Setup kSetups[] = {
    {"System", ""},
    {"UserAliasAndRejectedFont",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n"
     "  <include>/etc/fonts/fonts.conf</include>\n"
     "  <alias><family>Kestrova Test Face</family><prefer><family>DejaVu Serif</family></prefer></alias>\n"
     "  <selectfont><rejectfont><glob>*/NimbusSans-Regular.otf</glob></rejectfont></selectfont>\n"
     "</fontconfig>\n"},
};

// Names the program resolves (the default, the Helvetica fallback), installed
// families and PostScript names, generic families, and names nothing matches.
const std::vector<std::u32string> kNames = {
    U"Monaco",        U"Helvetica",       U"helvetica", U"DejaVu Sans", U"DejaVu Sans Mono", U"Nimbus Sans",
    U"NimbusSans-Bold", U"DejaVuSerif-Italic", U"sans-serif", U"monospace", U"serif",   U"Courier",
    U"Times New Roman", U"Arial",         U"Kestrova Test Face", U"No Such Font", U"DejaVu Sans:bold",
    U"\u00D1and\u00FA", U" ",
};

class FontMatch : public testing::TestWithParam<Setup> {};

TEST_P(FontMatch, NamesResolveAsUnderFcInitsConfiguration) {
  if (*GetParam().userConfig) {
    const std::string file = test::TempDir() + "/fonts.conf";
    test::WriteFile(file, GetParam().userConfig);
    setenv("FONTCONFIG_FILE", file.c_str(), 1);
  }
  const FontConfiguration ours = LoadFontConfiguration();
  const FontConfiguration full(FcInitLoadConfigAndFonts());
  unsetenv("FONTCONFIG_FILE");
  ASSERT_TRUE(ours) << "the plain load declined a working configuration";
  ASSERT_TRUE(full);
  for (const std::u32string& name : kNames) {
    SCOPED_TRACE(ToUtf8(name));
    const ResolvedFont fast = ResolveUnder(ours.get(), name);
    const ResolvedFont reference = ResolveUnder(full.get(), name);
    EXPECT_FALSE(fast.file.empty());
    EXPECT_EQ(fast.file, reference.file);
    EXPECT_EQ(fast.faceIndex, reference.faceIndex);
    EXPECT_EQ(fast.postScriptName, reference.postScriptName);
    EXPECT_EQ(fast.installed, reference.installed);
    if (*GetParam().userConfig) {
      EXPECT_FALSE(reference.file.ends_with("/NimbusSans-Regular.otf"));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Setups, FontMatch, testing::ValuesIn(kSetups),
                         [](const testing::TestParamInfo<Setup>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kbc
