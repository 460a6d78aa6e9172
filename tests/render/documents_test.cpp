// EPS and SVG primitives: formats, escaping, colour snapping and clean-up.
#include <gtest/gtest.h>

#include "fonts/fonts.h"
#include "render/eps_document.h"
#include "render/svg_document.h"

namespace kbc {
namespace {

BarcodeSettings Colours(std::uint32_t mode, ColourComponents fg, ColourComponents bg) {
  BarcodeSettings s = InitSettings();
  s.colourMode = mode;
  s.foreground = fg;
  s.background = bg;
  return s;
}

std::string EpsColourLines(const BarcodeSettings& s) {
  std::string eps;
  EpsBeginDocument(eps, Rect{0, 0, 113, 60}, s);
  return eps.substr(eps.find("} def\n", eps.find("/QZsetfont")) + 6);
}

// The golden files hold black, grey, RGB and CMYK colours, snapped and not, and
// an opaque background; these are the cases they do not reach.
TEST(EpsDocument, ColourSnappingAndGreySimplification) {
  const std::pair<BarcodeSettings, std::string> rows[] = {
      {Colours(1, {0.005, 0, 0, 1, 0}, {1, 1, 1, 1, 0}), "0.0000 setgray\n"},
      {Colours(1, {0, 0, 0, 1, 0}, {0.5, 1, 1, 1, 0}), "0.0000 0.0000 0.0000 setrgbcolor\n"},
  };
  for (const auto& [settings, expected] : rows) EXPECT_EQ(EpsColourLines(settings), expected);
}

TEST(EpsDocument, Primitives) {
  std::string line;
  EpsFillRect(line, Rect{10.4, 0, 1.2, 50});  // each value rounded after adding
  EXPECT_EQ(line, "10 0 12 50 QZfillrect\n");
  line.clear();
  EpsDrawChar(line, 3, 1, U"A(B)\\");
  EXPECT_EQ(line, "3 1 (A\\(B\\)\\\\) QZdrawchar\n");
  EXPECT_EQ(EpsStringBody(U"a\nb\x01\u00E9"), "a\\012b\\001\xC3\xA9");
}

TEST(EpsDocument, CleanUpLeavesNoSpaceAroundLineBreaks) {
  std::string eps = "a  b \n c\n";
  EpsEndDocument(eps);
  EXPECT_EQ(eps, "a b\nc\ngrestore\n%%EOF\n");
}

// Components are truncated: grey 0.5 is 127 (the golden files hold RGB and CMYK colours).
TEST(SvgDocument, GreyColoursAreTruncated) {
  const SvgColours c = SvgColoursFor(Colours(0, {0.5, 1, 0, 0, 0}, {1, 1, 0, 0, 0}));
  EXPECT_EQ((std::array{c.foreground.r, c.foreground.g, c.foreground.b}), (std::array{127, 127, 127}));
  EXPECT_EQ((std::array{c.background.r, c.background.g, c.background.b}), (std::array{255, 255, 255}));
}

TEST(SvgDocument, TextContentEscapes) {
  const std::pair<std::u32string_view, std::string_view> rows[] = {
      {U"AB 12", "AB 12"},          {U"\u00E9", "&#xE9;"},       {U"\t", "&#x9;"},
      {U"\U0001F600", "&#x1F600;"}, {U"A&B<C>", "A&amp;B&lt;C&gt;"}, {U"a\x01\x1F b", "a b"},
      {U"\u20AC", "&#x20AC;"},      {U"\uFFFF", ""},
  };
  for (const auto& [text, expected] : rows) EXPECT_EQ(SvgTextContent(text), expected);
  EXPECT_EQ(XmlAttributeValue("a\"b&<"), "a&quot;b&amp;&lt;");
}

TEST(FontNames, InstalledFontsGiveTheirPostScriptNameOthersAreCleaned) {
  const std::pair<std::u32string_view, std::string_view> rows[] = {
      {U"DejaVu Sans", "DejaVuSans"},           // family installed by fonts-dejavu-core
      {U"DejaVuSans-Bold", "DejaVuSans-Bold"},  // PostScript name installed
      {U"Monaco", "Monaco"},
      {U"Times New (Roman)", "TimesNewRoman"},
      {U"/%{}", "Helvetica"},
      {U"", "Helvetica"},
  };
  for (const auto& [name, expected] : rows) EXPECT_EQ(PostScriptFontName(name), expected);
  EXPECT_TRUE(ResolveFont(U"DejaVu Sans").installed);
  EXPECT_FALSE(ResolveFont(U"Monaco").installed);
  EXPECT_FALSE(ResolveFont(U"Monaco").file.empty());  // text still draws in a fallback font
}

// The golden files carry an afternoon date; midnight is 12 AM.
TEST(EpsDocument, CreationDateFollowsSourceDateEpoch) {
  setenv("SOURCE_DATE_EPOCH", "0", 1);
  EXPECT_EQ(EpsCreationDate(), "1/1/70 12:00 AM");
  unsetenv("SOURCE_DATE_EPOCH");
}

}  // namespace
}  // namespace kbc
