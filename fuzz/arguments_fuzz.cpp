// The argument scan and option parsing: the input is an argument vector with
// NUL between arguments. Every value lands clamped in the settings record, and
// a command line that makes no request prints the usage and one stderr line.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "cli/front_end.h"
#include "cli/usage.h"
#include "dispatch/data_check.h"
#include "fuzz/fuzz_input.h"

namespace kbc::fuzz {
namespace {

// Every stderr line is a whole message of its own: a value echoed with a raw
// line break would start a line without the program's name.
bool IsWholeMessages(std::string_view text) {
  constexpr std::string_view kPrefix = "KestrovaBarCode: ";
  if (text.empty() || !text.ends_with('\n')) return false;
  for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
    if (!text.substr(at).starts_with(kPrefix)) return false;
  }
  return true;
}

void RequireClamped(const BarcodeSettings& s) {
  Require(s.scale >= 50 && s.scale <= 150 && s.scale == std::trunc(s.scale), "-scale is an integer in 50..150");
  Require(s.trim >= 0 && s.trim <= 100 && s.trim == std::trunc(s.trim), "-trim is an integer in 0..100");
  Require(s.fontSize >= 0 && s.fontSize <= 96, "-fontsize lies in 0..96");
  Require(s.colourMode <= kColourCmyk, "-colmode is 0, 1 or 2");
  for (const double c : s.foreground) Require(c >= 0 && c <= 1, "foreground components lie in 0..1");
  for (const double c : s.background) Require(c >= 0 && c <= 1, "background components lie in 0..1");
  Require(s.antialiasOff == 0 || s.antialiasOff == 1, "-antialiasoff is 0 or 1");
  Require(s.fontSmoothOff == 0 || s.fontSmoothOff == 1, "-fontsmoothoff is 0 or 1");
  Require(s.opaqueBackground == 0 || s.opaqueBackground == 1, "-coltrans is 0 or 1");
  Require(s.dpi == 0 || (s.dpi >= 72 && s.dpi <= 2400), "-dpi is absent or in 72..2400");
  Require(s.symbology <= kSymbologyCount, "-type gives a known code or 0");
  Require(s.quarterTurns >= 0 && s.quarterTurns <= 3, "-rotate gives 0..3 quarter turns");
  Require(s.margin >= 0 && s.margin <= 1000, "-margin is an integer in 0..1000");
}

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> args = {"KestrovaBarCode"};
  for (std::size_t start = 0; start <= bytes.size() && args.size() < 64;) {
    const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
    args.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }

  CommandLine line = ScanArguments(args);
  fuzz::RequireClamped(line.settings);
  fuzz::Require(line.threads == 0 || (line.threads >= 1 && line.threads <= 64), "-threads is absent or 1..64");
  const bool hasData = !line.settings.data.empty() || !line.batchPath.empty();
  // -csv makes a request whatever else is given (alone too): its rows are checked one by one.
  const bool csv = !line.csvPath.empty() || (args.size() == 3 && args[1] == "-csv");
  const bool ready = csv || (line.settings.symbology >= 1 && line.action != OutputAction::None && hasData);

  BarcodeSettings shaped = line.settings;
  ShapeDataForType(shaped);
  const DataCheck check = CheckBarcodeData(shaped);
  fuzz::Require(check.value.has_value() == check.refusal.empty(), "the check gives an image or a reason");

  // Only a command line that makes no request runs whole: a ready one would
  // write wherever its -output points (and -batch or -csv would read its file).
  if (!ready) {
    std::string outText, errText;
    TextOut out(outText), err(errText);
    // Alone, --help, -h and --version ask about the program and exit 0.
    const bool asksAbout = args.size() == 2 && (args[1] == "--help" || args[1] == "-h" || args[1] == "--version");
    const int status = RunCommandLine(args, out, err);
    fuzz::Require(status == kExitIncomplete || args.size() <= 1 || asksAbout, "no request exits 2");
    fuzz::Require(!asksAbout || (status == kExitWritten && errText.empty()), "--help, -h and --version exit 0");
    // Beside -output - the usage text goes to stderr, among the messages, so
    // that it never mixes into a piped image.
    if (line.outputPath == "-" && line.valueRefusals.empty()) {
      const std::size_t usage = errText.find(UsageText());
      fuzz::Require(outText.empty() && usage != std::string::npos, "-output - sends the usage text to stderr");
      errText.erase(usage, UsageText().size());
    }
    fuzz::Require(args.size() <= 1 || asksAbout || fuzz::IsWholeMessages(errText), "stderr messages are one line each");
  }
  return 0;
}
