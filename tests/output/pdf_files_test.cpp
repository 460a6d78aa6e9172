// PDF files and the clipboard PDF, rasterised by pdftoppm and read by
// independent decoders; document information read by pdfinfo.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/decoders.h"
#include "support/process.h"
#include "support/raw_pixels.h"

namespace kbc::test {
namespace {

using Args = std::vector<std::string>;
const Args kFixedDate{"SOURCE_DATE_EPOCH=1700000000"};

// Our program drawing 590123412345 as EAN-13, without Wayland and with the given
// X display (none when empty).
ProcessResult RunOnDisplay(const std::string& display, const Args& colours, const Args& action) {
  Args all{"env", "-u", "WAYLAND_DISPLAY", "-u", "DISPLAY"};
  if (!display.empty()) all.push_back("DISPLAY=" + display);
  all.insert(all.end(), {KBC_EXECUTABLE, "-type", "EAN-13", "-data", "590123412345"});
  all.insert(all.end(), colours.begin(), colours.end());
  all.insert(all.end(), action.begin(), action.end());
  return RunProgram(all);
}

// A private X server for the clipboard; it writes its display number to a file
// once it accepts connections.
struct VirtualDisplay {
  VirtualDisplay() {
    const std::string ready = "'" + TempDir() + "/display'";
    const std::string script = "Xvfb -displayfd 3 -nolisten tcp -noreset 3>" + ready + " >/dev/null 2>&1 & " +
                               "while kill -0 $! && [ ! -s " + ready + " ]; do sleep 0.1; done; echo $! :$(cat " +
                               ready + ")";
    std::istringstream(RunProgram({"sh", "-c", script}).out) >> pid >> name;
  }
  ~VirtualDisplay() {
    if (pid > 0 && name.size() > 1) kill(pid, SIGTERM);  // only the server that started
  }
  pid_t pid = 0;
  std::string name;
};

std::string Rasterised72(const std::string& pdf) {
  RunProgram({"pdftoppm", "-r", "72", "-png", "-singlefile", pdf, pdf + ".72"});
  return pdf + ".72.png";
}

// The file and the clipboard carry the same drawing: both scan, and their colours
// are the RGB equivalents (grey 0.2 is 51, 51, 51; CMYK by (1 − C)(1 − K) ...).
TEST(PdfFiles, FileAndClipboardScanWithRgbColours) {
  const VirtualDisplay display;
  ASSERT_NE(display.name, ":") << "Xvfb did not start";
  const std::tuple<std::string, Args, std::vector<int>> rows[] = {
      {"black", {}, {0, 0, 0}},
      {"grey", {"-colmode", "0", "-fcolcomponent1", "0.2", "-fcolcomponent2", "1", "-antialiasoff", "1"}, {51, 51, 51}},
      {"cmyk",
       {"-colmode", "2", "-fcolcomponent1", "0.5", "-fcolcomponent3", "1", "-fcolcomponent4", "0.2", "-fcolcomponent5",
        "1", "-antialiasoff", "1"},
       {102, 204, 0}},
  };
  for (const auto& [name, colours, bar] : rows) {
    const std::string file = TempDir() + "/" + name + ".pdf", pasted = file + ".clip.pdf";
    ASSERT_EQ(RunOnDisplay("", colours, {"-action", "pdff", "-output", file}).status, 0) << name;
    const ProcessResult clip = RunOnDisplay(display.name, colours, {"-action", "clip"});
    ASSERT_EQ(clip.status, 0) << name << ": " << clip.err;
    const Args paste{"env", "DISPLAY=" + display.name, "xclip", "-selection", "clipboard", "-t", "application/pdf", "-o"};
    // The tool serves the clipboard from the background: under load it may
    // take a moment to answer.
    std::string pastedBytes;
    for (int attempt = 0; attempt < 50 && pastedBytes.empty(); ++attempt) {
      if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
      pastedBytes = RunProgram(paste).out;
    }
    std::ofstream(pasted, std::ios::binary) << pastedBytes;
    for (const std::string& pdf : {file, pasted}) {
      std::string log;
      const std::string png = Rasterise(pdf, &log);
      for (const auto& results : {ZxingRead(png), ZbarRead(png)}) {
        ASSERT_EQ(results.size(), 1u) << pdf << ": " << Describe(results) << log;
        EXPECT_EQ(results[0].text, "5901234123457") << pdf;
      }
      EXPECT_EQ(ReadPixels(Rasterised72(pdf), "rgb").At(11, 0), bar) << pdf << ": first guard bar";
    }
  }
}

TEST(PdfFiles, NoClipboardIsReported) {
  const ProcessResult run = RunOnDisplay("", {}, {"-action", "clip"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("no clipboard"), std::string::npos) << run.err;
}

// Author from the preferences file (none without one); title cut to 250
// characters, keywords whole.
TEST(PdfFiles, DocumentInformation) {
  const std::string config = TempDir() + "/config", pdf = TempDir() + "/info.pdf", bare = TempDir() + "/bare.pdf";
  std::filesystem::create_directories(config + "/KestrovaBarCode");
  std::ofstream(config + "/KestrovaBarCode/preferences") << "# who made it\nQZTXAuth=Ann \xC3\x85ngstr\xC3\xB6m\n";
  const std::string data(250, 'A');  // the most Code 128 takes: 259 characters of metadata
  for (const auto& [home, path] : {std::pair{config, pdf}, {TempDir() + "/nowhere", bare}}) {
    const ProcessResult run = RunProgram({"env", "XDG_CONFIG_HOME=" + home, KBC_EXECUTABLE, "-type", "Code-128",
                                          "-data", data, "-action", "pdff", "-output", path});
    ASSERT_EQ(run.status, 0) << run.err;
  }
  const std::string info = "\n" + RunProgram({"pdfinfo", pdf}).out, metadata = "Code-128 " + data;
  const std::pair<std::string, std::string> rows[] = {
      {"Author", "Ann \xC3\x85ngstr\xC3\xB6m"}, {"Creator", "Kestrova BarCode"}, {"Subject", "Code-128"},
      {"Title", metadata.substr(0, 250)},       {"Keywords", metadata},
  };
  for (auto [key, value] : rows) {
    key = (key + ":").append(16 - key.size(), ' ');  // pdfinfo's value column
    EXPECT_NE(info.find("\n" + key + value + "\n"), std::string::npos) << key << value << " missing in" << info;
  }
  EXPECT_NE(RunProgram({"pdfinfo", bare}).out.find("\nAuthor:          \n"), std::string::npos);
}

// The same request gives the same bytes a second later once SOURCE_DATE_EPOCH
// names the creation date. The bitmaps record no time: the library's tests
// compare their bytes with another process's.
TEST(PdfFiles, SameRequestSameBytes) {
  std::string bytes[2];
  for (int run = 0; run < 2; ++run) {
    const std::string path = TempDir() + "/again" + std::to_string(run) + ".pdf";
    ASSERT_EQ(RunKbc({"-type", "EAN-13", "-data", "1", "-action", "pdff", "-output", path}, kFixedDate).status, 0);
    bytes[run] = ReadFile(path);
    if (run == 0) sleep(1);
  }
  EXPECT_FALSE(bytes[0].empty());
  EXPECT_EQ(bytes[0], bytes[1]);
  const std::string info = RunProgram({"pdfinfo", "-isodates", TempDir() + "/again1.pdf"}).out;
  EXPECT_NE(info.find("CreationDate:    2023-11-14T22:13:20"), std::string::npos) << info;
}

// Data that cannot be drawn: a 200 × 50 page with the red message centred on it,
// unscaled at scale 150 (its placement is checked on bitmaps), and exit status 1.
TEST(PdfFiles, UndrawableDataGivesThePlaceholderPage) {
  const std::string pdf = TempDir() + "/placeholder.pdf";
  const ProcessResult run =
      RunKbc({"-type", "EAN-13", "-data", "ABC", "-action", "pdff", "-scale", "150", "-output", pdf});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No BarCode Image"), std::string::npos) << run.err;
  const RawImage page = ReadPixels(Rasterised72(pdf), "rgb");
  ASSERT_EQ(page.width, 200);
  ASSERT_EQ(page.height, 50);
  int left = 200, right = -1;
  for (int i = 0; i < 200 * 50; ++i) {
    const auto p = page.At(i % 200, i / 200);
    if (p[0] > 200 && p[1] < 100) left = std::min(left, i % 200), right = std::max(right, i % 200);  // red
  }
  EXPECT_NEAR((left + right + 1) / 2.0, 100, 1.5);
  EXPECT_NEAR(right - left, 112, 6) << "14-point Helvetica";
}

}  // namespace
}  // namespace kbc::test
