// PDF files and the clipboard PDF, rasterised by pdftoppm and read by
// independent decoders; document information read by pdfinfo.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/decoders.h"
#include "support/process.h"
#include "support/raw_pixels.h"

extern char** environ;

namespace kbc::test {
namespace {

// Runs our program without Wayland and with the given display (none when empty).
ProcessResult RunOnDisplay(const std::string& display, const std::vector<std::string>& args) {
  std::vector<std::string> all{"env", "-u", "WAYLAND_DISPLAY", "-u", "DISPLAY"};
  if (!display.empty()) all.push_back("DISPLAY=" + display);
  all.push_back(KBC_EXECUTABLE);
  all.insert(all.end(), args.begin(), args.end());
  return RunProgram(all);
}

// A private X server for the clipboard; it reports its display number when ready.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    int ready[2];
    if (pipe(ready) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    std::string fd = std::to_string(ready[1]);
    std::vector<char*> argv{const_cast<char*>("Xvfb"), const_cast<char*>("-displayfd"), fd.data(),
                            const_cast<char*>("-nolisten"), const_cast<char*>("tcp"), const_cast<char*>("-noreset"),
                            nullptr};
    if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(ready[1]);
    // Xvfb writes to this pipe again later and dies if nobody can read it: keep it open.
    ready_ = ready[0];
    char number[16] = {};
    const ssize_t n = read(ready_, number, sizeof number - 1);
    if (n > 0) name_.append(":").append(number, std::size_t(n - (number[n - 1] == '\n')));
  }
  ~VirtualDisplay() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (ready_ >= 0) close(ready_);
  }
  const std::string& Name() const { return name_; }

 private:
  pid_t pid_ = 0;
  int ready_ = -1;
  std::string name_;
};

std::string Rasterised72(const std::string& pdf) {
  const std::string stem = pdf + ".72";
  RunProgram({"pdftoppm", "-r", "72", "-png", "-singlefile", pdf, stem});
  return stem + ".png";
}

void ExpectEan13(const std::string& pdf, const std::string& what) {
  std::string log;
  const std::string png = RasterisePdf(pdf, &log);
  ASSERT_FALSE(png.empty()) << what << ": " << log;
  const auto zxing = ZxingRead(png);
  const auto zbar = ZbarRead(png);
  ASSERT_EQ(zxing.size(), 1u) << what << ": " << Describe(zxing);
  EXPECT_EQ(zxing[0].text, "5901234123457") << what;
  ASSERT_EQ(zbar.size(), 1u) << what << ": " << Describe(zbar);
  EXPECT_EQ(zbar[0].text, "5901234123457") << what;
}

const std::vector<std::string> kCmykFore{"-colmode", "2", "-fcolcomponent1", "0.5", "-fcolcomponent3", "1",
                                         "-fcolcomponent4", "0.2", "-fcolcomponent5", "1", "-antialiasoff", "1"};
const std::vector<std::string> kGreyFore{"-colmode", "0", "-fcolcomponent1", "0.2", "-fcolcomponent2", "1",
                                         "-antialiasoff", "1"};

// The file and the clipboard carry the same drawing: both scan, and their colours
// are the RGB equivalents (grey 0.2 is 51, 51, 51; CMYK by (1 − C)(1 − K) ...).
TEST(PdfFiles, FileAndClipboardScanWithRgbColours) {
  const VirtualDisplay display;
  ASSERT_FALSE(display.Name().empty()) << "Xvfb did not start";
  struct Row {
    const char* name;
    std::vector<std::string> colours;
    std::vector<int> bar;
  };
  const Row rows[] = {
      {"black", {}, {0, 0, 0}},
      {"grey", kGreyFore, {51, 51, 51}},
      {"cmyk", kCmykFore, {102, 204, 0}},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args{"-type", "EAN-13", "-data", "590123412345"};
    args.insert(args.end(), row.colours.begin(), row.colours.end());
    const std::string file = TempDir() + "/" + row.name + ".pdf";
    std::vector<std::string> toFile = args;
    toFile.insert(toFile.end(), {"-action", "pdff", "-output", file});
    ASSERT_EQ(RunOnDisplay("", toFile).status, 0) << row.name;
    args.insert(args.end(), {"-action", "clip"});
    const ProcessResult clip = RunOnDisplay(display.Name(), args);
    ASSERT_EQ(clip.status, 0) << row.name << ": " << clip.err;

    const ProcessResult pasted = RunProgram(
        {"env", "DISPLAY=" + display.Name(), "xclip", "-selection", "clipboard", "-t", "application/pdf", "-o"});
    ASSERT_TRUE(pasted.out.starts_with("%PDF-")) << row.name << ": " << pasted.err;
    const std::string clipFile = TempDir() + "/" + row.name + ".clip.pdf";
    std::ofstream(clipFile, std::ios::binary) << pasted.out;

    for (const std::string& pdf : {file, clipFile}) {
      ExpectEan13(pdf, pdf);
      EXPECT_EQ(ReadPixels(Rasterised72(pdf), "rgb").At(11, 0), row.bar) << pdf << ": first guard bar";
    }
  }
}

TEST(PdfFiles, NoClipboardIsReported) {
  const ProcessResult run = RunOnDisplay("", {"-type", "EAN-13", "-data", "1", "-action", "clip"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("no clipboard"), std::string::npos) << run.err;
}

// Author from the preferences file; title cut to 250 characters, keywords whole.
TEST(PdfFiles, DocumentInformation) {
  const std::string config = TempDir() + "/config";
  std::filesystem::create_directories(config + "/KestrovaBarCode");
  std::ofstream(config + "/KestrovaBarCode/preferences") << "# who made it\nQZTXAuth=Ann \xC3\x85ngstr\xC3\xB6m\n";
  const std::string data(250, 'A');  // the most Code 128 takes: 259 characters of metadata
  const std::string pdf = TempDir() + "/info.pdf";
  const ProcessResult run = RunProgram(
      {"env", "XDG_CONFIG_HOME=" + config, KBC_EXECUTABLE, "-type", "Code-128", "-data", data, "-action", "pdff",
       "-output", pdf});
  ASSERT_EQ(run.status, 0) << run.err;
  std::string info = "\n";
  info += RunProgram({"pdfinfo", pdf}).out;
  const std::string metadata = "Code-128 " + data;
  const std::pair<std::string, std::string> rows[] = {
      {"Author", "Ann \xC3\x85ngstr\xC3\xB6m"}, {"Creator", "Kestrova BarCode"}, {"Subject", "Code-128"},
      {"Title", metadata.substr(0, 250)},       {"Keywords", metadata},
  };
  for (const auto& [key, value] : rows) {
    const auto at = info.find("\n" + key + ":");
    ASSERT_NE(at, std::string::npos) << key << " missing in\n" << info;
    const auto start = info.find_first_not_of(' ', at + key.size() + 2);
    EXPECT_EQ(info.substr(start, info.find('\n', start) - start), value) << key;
  }

  const std::string bare = TempDir() + "/no-author.pdf";
  ASSERT_EQ(RunProgram({"env", "XDG_CONFIG_HOME=" + TempDir() + "/nowhere", KBC_EXECUTABLE, "-type", "EAN-13",
                        "-data", "1", "-action", "pdff", "-output", bare})
                .status,
            0);
  EXPECT_NE(RunProgram({"pdfinfo", bare}).out.find("\nAuthor:          \n"), std::string::npos);
}

// The same request gives the same bytes, a second later too, once
// SOURCE_DATE_EPOCH names the creation date.
TEST(PdfFiles, SameRequestSameBytes) {
  for (const char* action : {"pdff", "pngf", "jpeg", "tiff"}) {
    std::string bytes[2];
    for (int run = 0; run < 2; ++run) {
      const std::string path = TempDir() + "/again" + std::to_string(run) + "." + action;
      ASSERT_EQ(RunProgram({"env", "SOURCE_DATE_EPOCH=1700000000", KBC_EXECUTABLE, "-type", "EAN-13", "-data",
                            "590123412345", "-action", action, "-output", path})
                    .status,
                0);
      bytes[run] = ReadFile(path);
      if (run == 0 && action == std::string("pdff")) sleep(1);  // only the PDF records a time
    }
    EXPECT_FALSE(bytes[0].empty()) << action;
    EXPECT_EQ(bytes[0], bytes[1]) << action;
  }
  const std::string info = RunProgram({"pdfinfo", "-isodates", TempDir() + "/again1.pdff"}).out;
  EXPECT_NE(info.find("CreationDate:    2023-11-14T22:13:20"), std::string::npos) << info;
}

// Data that cannot be drawn: a 200 × 50 page with the red message centred on it,
// and exit status 1.
TEST(PdfFiles, UndrawableDataGivesThePlaceholderPage) {
  const std::string pdf = TempDir() + "/placeholder.pdf";
  const ProcessResult run =
      RunKbc({"-type", "EAN-13", "-data", "ABC", "-action", "pdff", "-scale", "150", "-output", pdf});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No BarCode Image"), std::string::npos) << run.err;
  const RawImage page = ReadPixels(Rasterised72(pdf), "rgb");
  ASSERT_EQ(page.width, 200);
  ASSERT_EQ(page.height, 50);
  int left = page.width, right = -1, top = page.height, bottom = -1;
  for (int row = 0; row < page.height; ++row) {
    for (int x = 0; x < page.width; ++x) {
      const auto p = page.At(x, row);
      if (p[0] < 200 || p[1] > 100) continue;  // red only
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, row), bottom = std::max(bottom, row);
    }
  }
  EXPECT_NEAR((left + right + 1) / 2.0, 100, 1.5) << "centred horizontally, unscaled at scale 150";
  EXPECT_NEAR(right - left, 112, 6) << "14-point Helvetica";
  EXPECT_LT(top, 25);
  EXPECT_GT(bottom, 25) << "the baseline lies about half-way up";
}

}  // namespace
}  // namespace kbc::test
