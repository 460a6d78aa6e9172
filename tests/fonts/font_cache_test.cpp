// The persistent font, shape and glyph caches: what makes an entry stale, that a hit
// answers without fontconfig or HarfBuzz, and that a run gives the same bytes
// with a cold cache, a warm one and a damaged one.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "caches/cache_file.h"
#include "canvas/glyph_cache.h"
#include "canvas/shape_cache.h"
#include "fonts/font_cache.h"
#include "support/process.h"

namespace kbc {
namespace {

using test::WriteFile;

TEST(FontCache, EntriesHoldOnlyUnderTheirStampAndFile) {
  const std::string dir = test::TempDir();
  const std::string cache = dir + "/cache/KestrovaBarCode/fonts";
  const std::string fontFile = dir + "/face.otf";
  WriteFile(fontFile, "outlines");
  const ResolvedFont font{fontFile, 2, "Face-Regular", true};
  WriteCachedFont(cache, "setup A", "Face Regular", font);
  WriteCachedFont(cache, "setup A", "Other", ResolvedFont{"", 0, "Other", false});

  const auto hit = ReadCachedFont(cache, "setup A", "Face Regular");
  ASSERT_TRUE(hit);
  EXPECT_EQ(std::tie(hit->file, hit->faceIndex, hit->postScriptName, hit->installed),
            std::tie(font.file, font.faceIndex, font.postScriptName, font.installed));
  const auto empty = ReadCachedFont(cache, "setup A", "Other");  // an empty file field survives
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->file, "");
  EXPECT_FALSE(ReadCachedFont(cache, "setup B", "Face Regular")) << "another fontconfig setup";
  EXPECT_FALSE(ReadCachedFont(cache, "setup A", "face regular")) << "names are exact";

  WriteFile(fontFile, "outlines, replaced");  // the resolved file changed since
  EXPECT_FALSE(ReadCachedFont(cache, "setup A", "Face Regular"));
  WriteFile(cache, "not a cache\n");
  EXPECT_FALSE(ReadCachedFont(cache, "setup A", "Other"));
}

TEST(FontCache, FieldsWithAnyBytesRoundTrip) {
  for (const std::string text : {"", "plain", "two words", "line\nbreak", "100%", "=x", "\xC3\xA9\x01\x7F"}) {
    std::string back;
    ASSERT_TRUE(UnescapeField(EscapeField(text), back)) << text;
    EXPECT_EQ(back, text);
    EXPECT_EQ(EscapeField(text).find_first_of(" \n"), std::string::npos) << text;
  }
  std::string back;
  EXPECT_FALSE(UnescapeField("plain", back));  // no leading '='
  EXPECT_FALSE(UnescapeField("=%4", back));
}

TEST(ShapeCache, RunsComeBackWhileTheShaperIsUnchanged) {
  const std::string dir = test::TempDir();
  const std::string cache = dir + "/shapes";
  const std::string library = dir + "/libshaper.so";
  WriteFile(library, "version 1");
  const ShapedFace face{"/fonts/a b.ttf", "1.0:2:3", 1};
  const ShapedRun run{1000, 729, -271, 200, {{31, 0, 0, 584, 0}, {24, -5, 7, 556, 1}}};
  {
    ShapeCache shapes(cache);
    EXPECT_FALSE(shapes.Find(face, U"> 7"));
    shapes.Add(face, U"> 7", run, LibraryStamp(library));
  }
  const auto found = ShapeCache(cache).Find(face, U"> 7");
  ASSERT_TRUE(found);
  const auto fields = [](const ShapedRun& r) {
    std::vector<std::int64_t> all{r.scale, r.ascender, r.descender, r.lineGap};
    for (const ShapedGlyph& g : r.glyphs) all.insert(all.end(), {g.id, g.xOffset, g.yOffset, g.xAdvance, g.yAdvance});
    return all;
  };
  EXPECT_EQ(fields(*found), fields(run));
  EXPECT_FALSE(ShapeCache(cache).Find(face, U">7"));
  EXPECT_FALSE(ShapeCache(cache).Find(ShapedFace{face.file, "1.0:2:4", 1}, U"> 7")) << "font file changed";

  WriteFile(library, "version 2");  // an upgraded HarfBuzz may shape differently
  EXPECT_FALSE(ShapeCache(cache).Find(face, U"> 7"));
}

TEST(GlyphCache, BitmapsComeBackForTheSameProgramAndRequest) {
  const std::string dir = test::TempDir();
  const std::string cache = dir + "/glyphs";
  const ShapedFace face{"/fonts/face.otf", "1.0:2:3", 0};
  const GlyphRequest request{17, 640, 640, false, true, 21, 0x10000, 0};
  const GlyphBitmap bitmap{1, 9, 2, 3, -4, 2, {0x00, 0x7F, 0x80, 0xFF, 1, 2, 3, 4}};
  GlyphRequest shifted = request;
  shifted.offsetX = 22;
  {
    GlyphCache glyphs(cache, "program 1");
    EXPECT_FALSE(glyphs.Find(face, request));
    glyphs.Add(face, request, bitmap);
  }
  GlyphCache reread(cache, "program 1");
  const GlyphBitmap* found = reread.Find(face, request);
  ASSERT_TRUE(found);
  EXPECT_EQ(std::tie(found->left, found->top, found->rows, found->width, found->pitch, found->pixelMode, found->buffer),
            std::tie(bitmap.left, bitmap.top, bitmap.rows, bitmap.width, bitmap.pitch, bitmap.pixelMode, bitmap.buffer));
  EXPECT_FALSE(GlyphCache(cache, "program 1").Find(face, shifted));
  EXPECT_FALSE(GlyphCache(cache, "program 2").Find(face, request)) << "another FreeType build";
}

// Libraries a run maps, from the dynamic loader's trace: lines such as
// "file=libc.so.6 [0];  needed by ..." and "...;  dynamically loaded by ...".
std::vector<std::string> LoadedLibraries(const std::vector<std::string>& args, const std::string& cacheHome) {
  const auto run = test::RunKbc(args, {"LD_DEBUG=files", "XDG_CACHE_HOME=" + cacheHome});
  std::vector<std::string> names;
  std::istringstream lines(run.err);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t at = line.find("file=");
    if (at == std::string::npos) continue;
    if (line.find("needed by") == std::string::npos && line.find("dynamically loaded by") == std::string::npos) continue;
    names.push_back(line.substr(at + 5, line.find(' ', at) - at - 5));
  }
  return names;
}

bool Holds(const std::vector<std::string>& names, const std::string& prefix) {
  return std::ranges::any_of(names, [&](const std::string& name) { return name.starts_with(prefix); });
}

// With warm caches, EPS, SVG and PNG files of a linear symbol map none of the
// libraries opened on demand, nor in the local build those linked in from
// archives (the packaged build links FreeType, fontconfig, libpng and zlib as
// shared objects, which every run maps). A line never shaped before maps
// HarfBuzz, a QR symbol libqrencode, a PDF cairo.
TEST(FontCache, RunsLoadOnlyTheLibrariesTheyUse) {
  const std::string dir = test::TempDir();
  const auto loaded = [&](const std::string& type, const std::string& data, const std::string& action) {
    return LoadedLibraries({"-type", type, "-data", data, "-action", action, "-output", dir + "/out." + action},
                           dir + "/cache");
  };
  EXPECT_TRUE(Holds(loaded("EAN-13", "590123412345", "pngf"), "libharfbuzz"));
  std::vector<std::string> unused = {"libharfbuzz", "libcairo", "libglib", "libqrencode",
                                     "libzint",     "libtiff",  "libjpeg", "libdmtx"};
  if (!KBC_SYSTEM_LIBRARIES) unused.insert(unused.end(), {"libfreetype", "libfontconfig", "libpng", "libz."});
  for (const char* action : {"pngf", "svgf", "epsf"}) {
    const auto libraries = loaded("EAN-13", "590123412345", action);
    for (const std::string& library : unused) EXPECT_FALSE(Holds(libraries, library)) << action << " loads " << library;
  }
  const auto qr = loaded("QRCode", "12345", "svgf");
  EXPECT_TRUE(Holds(qr, "libqrencode"));
  EXPECT_FALSE(Holds(qr, "libharfbuzz"));
  EXPECT_TRUE(Holds(loaded("EAN-13", "590123412345", "pdff"), "libcairo"));
}

// The same bytes from a cold cache, a warm one, one whose entries were tampered
// with under the right stamp (read, so fontconfig is not asked) and one made
// stale by a changed setup (not read).
TEST(FontCache, OutputsDoNotDependOnTheCacheState) {
  const std::string dir = test::TempDir();
  const std::string cacheHome = dir + "/cache";
  const auto svg = [&](const std::vector<std::string>& env) {
    std::vector<std::string> full = {"XDG_CACHE_HOME=" + cacheHome};
    full.insert(full.end(), env.begin(), env.end());
    const std::string output = dir + "/out.svg";
    test::RunKbc({"-type", "EAN-13", "-data", "590123412345", "-fontname", "DejaVu Sans", "-action", "svgf",
                  "-output", output},
                 full);
    return test::ReadFile(output);
  };
  const auto png = [&](const std::string& name) {
    const std::string output = dir + "/" + name;
    test::RunKbc({"-type", "UPC-A", "-data", "03600029145", "-addon", "12", "-action", "pngf", "-output", output},
                 {"XDG_CACHE_HOME=" + cacheHome});
    return test::ReadFile(output);
  };
  const std::string cold = svg({});
  ASSERT_NE(cold.find("DejaVuSans"), std::string::npos);
  EXPECT_EQ(svg({}), cold);
  const std::string coldBitmap = png("cold.png");
  ASSERT_FALSE(coldBitmap.empty());
  EXPECT_EQ(png("warm.png"), coldBitmap);

  const std::string fonts = cacheHome + "/KestrovaBarCode/fonts";
  std::string tampered = test::ReadFile(fonts);
  ASSERT_NE(tampered.find("=DejaVuSans"), std::string::npos);
  WriteFile(fonts, tampered.replace(tampered.find("=DejaVuSans"), 11, "=Tampered"));
  EXPECT_EQ(svg({}), cold) << "an entry changed since it was written fails the checksum";
  EXPECT_EQ(svg({"FC_LANG=fr"}), cold) << "another setup ignores the entry";
  WriteFile(fonts, "KestrovaBarCode fonts 2\n=garbage\n");
  EXPECT_EQ(svg({}), cold);

  for (const char* name : {"/KestrovaBarCode/shapes", "/KestrovaBarCode/glyphs"}) {
    const std::string file = cacheHome + name;
    WriteFile(file, test::ReadFile(file).substr(0, 300));  // cut short, mid-entry
  }
  EXPECT_EQ(png("damaged.png"), coldBitmap);
  EXPECT_EQ(png("repaired.png"), coldBitmap);
}

}  // namespace
}  // namespace kbc
