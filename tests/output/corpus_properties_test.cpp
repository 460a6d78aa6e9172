// Whole-corpus properties: every drawn symbology (read from the table, so each
// new renderer is covered as it lands) with seeded random data and settings,
// through every file writer. What each file must be is judged by independent
// tools: xmllint for SVG, Ghostscript with -dSAFER for EPS, pdfinfo for PDF,
// ImageMagick for the bitmaps' sizes. Every output path already holds a file
// before the write, so each failure also shows that the file survived.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "output/file_writers.h"
#include "output/output_formats.h"
#include "text/mac_roman.h"
#include "text/utf8.h"
#include "support/fixed_format_data.h"
#include "support/process.h"
#include "text/mac_roman.h"
#include "text/utf8.h"

namespace kbc::test {
namespace {

constexpr int kDrawnRequests = 5;    // drawable requests per symbology
constexpr int kRefusedRequests = 3;  // refused requests per symbology, where random data finds them
constexpr int kAttempts = 1000;      // random requests tried per symbology to find both kinds
constexpr std::string_view kOldContent = "an earlier file";
constexpr Rect kPlaceholderPage{0, 0, 200, 50};  // the PDF page of data that cannot be drawn

std::vector<SymbologyType> DrawnSymbologies() {
  std::vector<SymbologyType> codes;
  for (SymbologyType code = 1; code <= kSymbologyCount; ++code) {
    if (IsSymbology(code)) codes.push_back(code);
  }
  return codes;
}

// Data from one of several alphabets, so every symbology meets data it can
// draw and data it must refuse: digits, Code 39's letters, printable ASCII,
// and Mac OS Roman bytes with control characters and escapes. A third of the
// time the data is as long as the symbology keeps (up to 60), which fixed-length
// symbologies need.
std::string RandomData(std::mt19937& random, std::size_t keptLength) {
  static const std::string kAlphabets[] = {
      "0123456789",
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%",
      " !\"#&'()*+,-./0123456789:;<=>?@ABCXYZ[\\]^_`abcxyz{|}~",
      "09AZaz \\n\\t\x01\x1F\x7F\x80\xA9\xDB\xE9\xFF<&>\"",
  };
  const std::string& alphabet = kAlphabets[random() % 4];
  const std::size_t longest = std::min<std::size_t>(keptLength, 60);
  const std::size_t length = random() % 3 == 0 ? longest : 1 + random() % (random() % 4 == 0 ? longest : 20);
  std::string data;
  for (std::size_t i = 0; i < length; ++i) data += alphabet[random() % alphabet.size()];
  return data;
}

BarcodeSettings RandomRequest(SymbologyType symbology, std::mt19937& random) {
  const auto unit = [&] { return std::uniform_real_distribution<double>(0, 1)(random); };
  BarcodeSettings s = InitSettings();
  s.symbology = symbology;
  const std::optional<std::string> fixed = RandomFixedFormatData(kSymbologies[symbology].name, random);
  s.data = DecodeMacRoman(fixed && random() % 2 == 0 ? *fixed : RandomData(random, kSymbologies[symbology].shape.length));
  UnescapeControlChars(s.data);
  if (random() % 2) s.addon = DecodeMacRoman(std::to_string(random() % 100000).substr(0, 1 + random() % 5));
  s.scale = 50 + random() % 101;
  s.trim = random() % 101;
  // Sizes below 1 included: 0 means 12 points, and a fraction must still print.
  s.fontSize = random() % 5 == 0 ? unit() : 1 + unit() * 95;
  // The last name is made of characters each document must quote or escape.
  static const std::u32string kFonts[] = {U"Monaco", U"Helvetica", U"DejaVu Sans", U"No Such Font",
                                          U"Odd <&\"'\\()%/{}[] \u00E9\u0001 Face"};
  s.fontName = kFonts[random() % std::size(kFonts)];
  if (random() % 4 == 0) s.displayText = DecodeMacRoman(RandomData(random, 20));
  s.colourMode = random() % 3;
  for (double& c : s.foreground) c = unit();
  for (double& c : s.background) c = unit();
  s.opaqueBackground = random() % 2;
  s.antialiasOff = random() % 2;
  s.fontSmoothOff = random() % 2;
  // 2400 dpi makes some bitmaps too large to write: a failure the writers must survive.
  static const int kDpis[] = {0, 0, 0, 72, 150, 300, 600, 1200, 2400};
  s.dpi = kDpis[random() % std::size(kDpis)];
  s.quarterTurns = std::int16_t(random() % 4);
  if (random() % 3 == 0) s.margin = std::int32_t(random() % 20);
  return s;
}

std::string Describe(const BarcodeSettings& s) {
  std::ostringstream text;
  text << SymbologyName(s.symbology) << " data \"" << ToUtf8(s.data) << "\" addon \"" << ToUtf8(s.addon)
       << "\" scale " << s.scale << " trim " << s.trim << " dpi " << s.dpi << " margin " << s.margin << " turned "
       << 90 * s.quarterTurns;
  return text.str();
}

using Writer = std::function<Status(const std::string&, BarcodeSettings&)>;

struct Format {
  std::string extension;
  Writer write;
};

// Every file action, through the command line's writer.
const std::vector<Format>& Formats() {
  static const std::vector<Format> formats = [] {
    std::vector<Format> files;
    for (const OutputFormat& format : OutputFormats()) {
      if (format.render == nullptr) continue;
      files.push_back({std::string(format.extension), [action = format.action](const std::string& p, BarcodeSettings& s) {
                         return WriteActionFile(action, p, s, CheckBarcodeData(s));
                       }});
    }
    return files;
  }();
  return formats;
}

bool IsBitmap(const std::string& extension) { return extension == "png" || extension == "jpg" || extension == "tif"; }

// The bitmap's sides as the writers size them: points × dpi / 72, truncated.
std::string BitmapSize(const Rect& image, int dpi) {
  const double factor = dpi > 0 ? dpi / 72.0 : 1.0;
  return std::to_string(std::int64_t(std::trunc(image.width * factor))) + " " +
         std::to_string(std::int64_t(std::trunc(image.height * factor)));
}

// The sides of a bitmap file as "w h". ImageMagick's policy refuses PNG files
// wider than 16384 pixels even when only pinging them, so a PNG's sides are
// read from its IHDR chunk; JPEG and TIFF headers are pinged.
std::string BitmapSizeOf(const std::string& path, const std::string& extension) {
  if (extension != "png") return RunProgram({"identify", "-ping", "-format", "%w %h", path}).out;
  const std::string png = ReadFile(path);
  if (png.size() < 24 || png.compare(12, 4, "IHDR") != 0) return "no IHDR";
  const auto bigEndian = [&](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | std::uint8_t(png[at + i]);
    return value;
  };
  return std::to_string(bigEndian(16)) + " " + std::to_string(bigEndian(20));
}

// A written file to be judged by a tool after all writes, with what it must show.
struct Written {
  std::string path;
  std::string request;
  std::string expectedSize;  // bitmaps: "w h"
  Rect page;                 // PDF: the page
};

// The page size pdfinfo reports, as "w x h".
std::optional<Rect> PdfPage(const std::string& info) {
  const std::size_t at = info.find("Page size:");
  Rect page;
  if (at == std::string::npos ||
      std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &page.width, &page.height) != 2) {
    return std::nullopt;
  }
  return page;
}

class CorpusProperties : public testing::TestWithParam<SymbologyType> {
 protected:
  std::string Path(const std::string& stem, const std::string& extension) {
    return folder_ + "/" + stem + "." + extension;
  }

  void SetUp() override {
    folder_ = TempDir() + "/corpus-" + std::to_string(GetParam());
    std::filesystem::create_directories(folder_);
  }

  // Writes a drawable request in every format over an existing file.
  void WriteDrawable(BarcodeSettings request, const Rect& image, int index) {
    for (const Format& format : Formats()) {
      const std::string path = Path("drawn" + std::to_string(index), format.extension);
      std::ofstream(path) << kOldContent;
      BarcodeSettings settings = request;
      const Status status = format.write(path, settings);
      if (!status) {
        // Only a bitmap may fail for drawable data: too many pixels (or too few);
        // and a ZPL label at a resolution no label printer has.
        EXPECT_TRUE(IsBitmap(format.extension) || format.extension == "zpl") << Describe(request) << ": " << status.refusal;
        EXPECT_EQ(ReadFile(path), kOldContent) << "a failed write replaced " << path;
        EXPECT_EQ(status.refusal.find('\n'), std::string::npos) << status.refusal;
        continue;
      }
      // A turned file has the sides of the turned image.
      const Rect turned = Turned(image, request.quarterTurns);
      const std::string size = IsBitmap(format.extension) ? BitmapSize(turned, request.dpi) : "";
      written_[format.extension].push_back({path, Describe(request), size, turned});
    }
  }

  // Refused data: no file is created, an existing one is kept (the PDF writer
  // alone writes its placeholder page), and the reason is one line.
  void WriteRefused(const BarcodeSettings& request, int index) {
    for (const Format& format : Formats()) {
      const std::string fresh = Path("refused-new" + std::to_string(index), format.extension);
      const std::string existing = Path("refused-old" + std::to_string(index), format.extension);
      std::ofstream(existing) << kOldContent;
      for (const std::string& path : {fresh, existing}) {
        BarcodeSettings settings = request;
        const Status status = format.write(path, settings);
        EXPECT_FALSE(status) << Describe(request) << " wrote " << path;
        EXPECT_EQ(status.refusal.find('\n'), std::string::npos) << status.refusal;
      }
      if (format.extension == "pdf") {
        written_["pdf"].push_back({fresh, Describe(request), "", kPlaceholderPage});
        written_["pdf"].push_back({existing, Describe(request), "", kPlaceholderPage});
        continue;
      }
      EXPECT_FALSE(std::filesystem::exists(fresh)) << Describe(request) << " created " << fresh;
      EXPECT_EQ(ReadFile(existing), kOldContent) << Describe(request) << " replaced " << existing;
    }
  }

  std::string folder_;
  std::map<std::string, std::vector<Written>> written_;
};

// One tool run over many files; when it fails, each file again to name the culprits.
void ExpectEachPasses(const std::vector<std::string>& command, const std::vector<Written>& files) {
  if (files.empty()) return;
  std::vector<std::string> all = command;
  for (const Written& file : files) all.push_back(file.path);
  const ProcessResult batch = RunProgram(all);
  const auto passed = [](const ProcessResult& run) {
    return run.status == 0 && (run.out + run.err).find("Error") == std::string::npos;
  };
  if (passed(batch)) return;
  for (const Written& file : files) {
    std::vector<std::string> one = command;
    one.push_back(file.path);
    const ProcessResult run = RunProgram(one);
    EXPECT_TRUE(passed(run))
        << command[0] << " rejects " << file.path << " (" << file.request << "): " << run.out << run.err;
  }
}

TEST_P(CorpusProperties, EveryFileIsValidAndSizedAsTheCheckSays) {
  std::mt19937 random(20261207 + GetParam());
  int drawn = 0, refused = 0;
  for (int attempt = 0; attempt < kAttempts && (drawn < kDrawnRequests || refused < kRefusedRequests); ++attempt) {
    BarcodeSettings request = RandomRequest(GetParam(), random);
    ShapeDataForType(request);
    if (request.data.empty()) continue;  // no request: the front end prints the usage
    const DataCheck check = CheckBarcodeData(request);
    if (check && drawn < kDrawnRequests) {
      WriteDrawable(request, check->image, drawn++);
    } else if (!check && refused < kRefusedRequests) {
      EXPECT_FALSE(check.refusal.empty());
      WriteRefused(request, refused++);
    }
  }
  ASSERT_EQ(drawn, kDrawnRequests) << "random data found too few drawable requests";

  ExpectEachPasses({"xmllint", "--noout", "--nonet"}, written_["svg"]);
  ExpectEachPasses({"gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=nullpage"}, written_["eps"]);
  for (const Written& pdf : written_["pdf"]) {
    const ProcessResult info = RunProgram({"pdfinfo", pdf.path});
    EXPECT_EQ(info.status, 0) << pdf.path << " (" << pdf.request << "): " << info.err;
    const std::optional<Rect> page = PdfPage(info.out);
    ASSERT_TRUE(page.has_value()) << info.out;
    EXPECT_NEAR(page->width, pdf.page.width, 0.01) << pdf.request;
    EXPECT_NEAR(page->height, pdf.page.height, 0.01) << pdf.request;
  }
  for (const std::string extension : {"png", "jpg", "tif"}) {
    for (const Written& file : written_[extension]) {
      EXPECT_EQ(BitmapSizeOf(file.path, extension), file.expectedSize) << file.path << " (" << file.request << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DrawnSymbologies, CorpusProperties, testing::ValuesIn(DrawnSymbologies()),
                         [](const testing::TestParamInfo<SymbologyType>& info) {
                           std::string name(SymbologyName(info.param));
                           for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

}  // namespace
}  // namespace kbc::test
