#include "cli/front_end.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <vector>

#include "cli/os_gate.h"
#include "core/symbology.h"
#include "core/string_ops.h"
#include "cli/usage.h"
#include "output/writers.h"
#include "platform/mac_roman.h"
#include "platform/number_text.h"
#include "platform/path.h"
#include "dispatch/render_barcode.h"

namespace kbc {
namespace {

constexpr std::array<std::pair<std::string_view, OutputAction>, 7> kActionWords = {{
    {"clip", OutputAction::Clipboard},
    {"epsf", OutputAction::Eps},
    {"jpeg", OutputAction::Jpeg},
    {"pdff", OutputAction::Pdf},
    {"pngf", OutputAction::Png},
    {"svgf", OutputAction::Svg},
    {"tiff", OutputAction::Tiff},
}};

template <typename T>
T Clamp(T value, T low, T high) {
  return std::min(std::max(value, low), high);
}

// A switch option: the integer's low 16 bits as a signed number, on when positive.
std::int16_t SwitchValue(std::u32string_view text) {
  const auto low = static_cast<std::int16_t>(static_cast<std::uint16_t>(IntegerValueOf(text) & 0xFFFF));
  return low > 0 ? 1 : 0;
}

double UnitValue(std::u32string_view text) { return Clamp(DoubleValueOf(text), 0.0, 1.0); }

std::string_view ActionWord(OutputAction action) {
  for (const auto& [word, code] : kActionWords) {
    if (code == action) return word;
  }
  return {};
}

WriteStatus CallWriter(OutputAction action, const std::string& path, BarcodeSettings& settings) {
  // The command line gives no target size: 0 × 0 is the fallback image size.
  switch (action) {
    case OutputAction::Eps:
      return WriteEpsFile(path, settings, 0, 0);
    case OutputAction::Svg:
      return WriteSvgFile(path, settings, 0, 0);
    case OutputAction::Pdf:
      return WritePdfFile(path, settings, 0, 0);
    case OutputAction::Clipboard:
      return CopyToPasteboard(settings, 0, 0);
    case OutputAction::Png:
      return WritePngFile(path, settings, 0, 0);
    case OutputAction::Jpeg:
      return WriteJpegFile(path, settings, 0, 0);
    case OutputAction::Tiff:
      return WriteTiffFile(path, settings, 0, 0);
    case OutputAction::None:
      break;
  }
  return WriteStatus::Failure("no output type given");
}

// Why the arguments do not make a request, as one line.
std::string IncompleteReason(const CommandLine& line) {
  const BarcodeSettings& s = line.settings;
  if (s.symbology == kNoSymbology) {
    return line.unknownType.empty() ? "no barcode type given" : "unknown -type \"" + line.unknownType + "\"";
  }
  if (line.action == OutputAction::None) {
    return line.unknownAction.empty() ? "no -action given" : "unknown -action \"" + line.unknownAction + "\"";
  }
  return "no -data given";
}

}  // namespace

OutputAction ActionFromWord(std::u32string_view word) {
  for (const auto& [candidate, action] : kActionWords) {
    if (std::ranges::equal(candidate, word, [](char a, char32_t b) { return char32_t(a) == b; })) return action;
  }
  return OutputAction::None;
}

void ApplyOption(CommandLine& line, std::string_view option, std::string_view rawValue) {
  BarcodeSettings& s = line.settings;
  const std::u32string value = DecodeMacRoman(rawValue);

  if (option == "-action") {
    line.action = ActionFromWord(value);
    s.placementMode = line.action == OutputAction::None ? kPlaceCentredYDown : kPlaceAtOrigin;
    line.unknownAction = line.action == OutputAction::None ? std::string(rawValue) : std::string();
  } else if (option == "-type") {
    s.symbology = SymbologyFromName(value);
    line.unknownType = s.symbology == kNoSymbology ? std::string(rawValue) : std::string();
  } else if (option == "-data") {
    s.data = value;
    UnescapeControlChars(s.data);
  } else if (option == "-addon") {
    s.addon = value;
  } else if (option == "-scale") {
    s.scale = Clamp(IntegerValueOf(value), 50, 150);
  } else if (option == "-trim") {
    s.trim = Clamp(IntegerValueOf(value), 0, 100);
  } else if (option == "-disp") {
    s.displayText = value;
  } else if (option == "-antialiasoff") {
    s.antialiasOff = SwitchValue(value);
  } else if (option == "-fontsmoothoff") {
    s.fontSmoothOff = SwitchValue(value);
  } else if (option == "-fontname") {
    s.fontName = value;
  } else if (option == "-fontsize") {
    const double size = DoubleValueOf(value);
    s.fontSize = size < 0 ? 1.0 : std::min(size, 96.0);
  } else if (option == "-colmode") {
    s.colourMode = std::uint32_t(Clamp(IntegerValueOf(value), 0, 2));
  } else if (option.starts_with("-fcolcomponent") || option.starts_with("-bcolcomponent")) {
    const std::string_view digit = option.substr(14);
    if (digit.size() != 1 || digit[0] < '1' || digit[0] > '5') return;
    ColourComponents& target = option[1] == 'f' ? s.foreground : s.background;
    target[std::size_t(digit[0] - '1')] = UnitValue(value);
  } else if (option == "-coltrans") {
    s.opaqueBackground = IntegerValueOf(value) > 0 ? 1 : 0;
  } else if (option == "-dpi") {
    s.dpi = Clamp(IntegerValueOf(value), 72, 2400);
  } else if (option == "-output") {
    line.outputPath = StandardizeOutputPath(rawValue);
  }
}

CommandLine ScanArguments(std::span<const std::string_view> args) {
  CommandLine line;
  if (args.size() < 4) return line;
  for (std::size_t i = 1; i + 1 < args.size(); ++i) ApplyOption(line, args[i], args[i + 1]);
  return line;
}

int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (!SystemVersionAccepted(SystemVersionNumber())) {
    out << "Sorry, Kestrova BarCode only works with macOS 11 Big Sur or later.\n";
    return kExitNotProduced;
  }
  if (args.size() <= 1) {
    out << UsageText();
    return kExitWritten;
  }

  CommandLine line = ScanArguments(args);
  BarcodeSettings& settings = line.settings;
  // Readiness is measured before shaping: data that shaping empties still reaches the writer.
  const bool ready = settings.symbology >= 1 && line.action != OutputAction::None && !settings.data.empty();
  ShapeDataForType(settings);

  if (!ready) {
    out << UsageText();
    err << "KestrovaBarCode: " << IncompleteReason(line) << '\n';
    return kExitIncomplete;
  }
  if (RendererFor(settings.symbology) == nullptr) {
    err << "KestrovaBarCode: " << SymbologyName(settings.symbology) << " barcodes cannot be drawn yet\n";
    return kExitNotProduced;
  }
  if (line.action != OutputAction::Clipboard && line.outputPath.empty()) {
    err << "KestrovaBarCode: no -output path given for -action " << ActionWord(line.action) << '\n';
    return kExitNotProduced;
  }
  const WriteStatus status = CallWriter(line.action, line.outputPath, settings);
  if (!status.ok) {
    err << "KestrovaBarCode: " << status.message << '\n';
    return kExitNotProduced;
  }
  return kExitWritten;
}

int RunCommandLine(int argc, char** argv) {
  std::vector<std::string_view> args(argv, argv + argc);
  return RunCommandLine(args, std::cout, std::cerr);
}

}  // namespace kbc
