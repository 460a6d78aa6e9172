#include "request/draw.h"

#include <algorithm>

#include "core/symbology.h"
#include "output/bitmap_writers.h"
#include "output/file_bytes.h"
#include "output/file_writers.h"
#include "output/output_formats.h"
#include "output/pdf_writers.h"
#include "output/refusal.h"
#include "request/data_warnings.h"
#include "request/gs1_warnings.h"
#include "request/printer_fit.h"
#include "request/symbol_option_warnings.h"
#include "text/mac_roman.h"
#include "text/utf8.h"

namespace kbc {
namespace {

Status CallWriter(OutputAction action, const std::string& path, const BarcodeSettings& settings,
                  const DataCheck& check) {
  if (action == OutputAction::None) return Refusal("no output type given");
  if (action == OutputAction::Clipboard) return CopyToPasteboard(settings, check);
  return WriteActionFile(action, path, settings, check);
}

// The request's own warnings come before what the writer adds.
template <class T>
Result<T> WithWarnings(Result<T> result, std::vector<std::string> warnings) {
  if (!result) return result;
  warnings.insert(warnings.end(), result.warnings.begin(), result.warnings.end());
  result.warnings = std::move(warnings);
  return result;
}

// Under -strict 1 the request's warnings refuse it, before anything is written.
std::optional<Refusal> StrictRefusal(const PreparedRequest& prepared) {
  if (!prepared.settings.strict || prepared.warnings.empty()) return std::nullopt;
  std::string reason;
  for (const std::string& warning : prepared.warnings) reason += (reason.empty() ? "" : "; ") + warning;
  return Refusal{reason};
}

}  // namespace

PreparedRequest PrepareRequest(OutputAction action, BarcodeSettings settings) {
  const std::u32string given = settings.data;
  const std::u32string givenAddOn = settings.addon;
  // The 2-D symbols encode the bytes as typed, one character each, whatever
  // the characters they spell.
  if (settings.dataUtf8 && TakesBytes(settings.symbology)) settings.data = DecodeMacRoman(ToUtf8(settings.data));
  const ShapingReport shaping = ShapeDataForType(settings);
  settings.showText = ShowsText(settings) ? 1 : 0;
  const OutputFormat* format = OutputFormatOf(action);
  // A label printer has a resolution of its own, even when none is named.
  if (format != nullptr && settings.dpi == 0) settings.dpi = format->defaultDpi;
  std::vector<std::string> fitWarnings = FitForPrinter(settings, format != nullptr && format->bitmap);
  // The request's one check and encoding, shared by the warnings and the writer.
  DataCheck check = CheckBarcodeData(settings);
  // Judged before the writer converts the colours for its output.
  const std::optional<std::string> dataWarning = DataChangeWarning(given, shaping, settings, check);
  const std::optional<std::string> addOnWarning = AddOnChangeWarning(givenAddOn, shaping, settings);
  const std::optional<std::string> colourWarning = InvisibleBarsWarning(settings, action);
  const std::optional<std::string> modelWarning = ColourModelWarning(settings, action);
  const std::optional<std::string> gs1Warning = Gs1Warning(settings);
  const std::optional<std::string> symbolWarning = SymbolOptionWarning(settings);
  std::vector<std::string> warnings;
  for (const auto& warning : {dataWarning, addOnWarning, colourWarning, modelWarning, gs1Warning, symbolWarning}) {
    if (warning) warnings.push_back(*warning);
  }
  warnings.insert(warnings.end(), fitWarnings.begin(), fitWarnings.end());
  return {std::move(settings), std::move(check), std::move(warnings)};
}

Status DrawRequest(OutputAction action, const std::string& path, BarcodeSettings settings) {
  return DrawPreparedRequest(action, path, PrepareRequest(action, std::move(settings)));
}

Status DrawPreparedRequest(OutputAction action, const std::string& path, PreparedRequest prepared) {
  if (std::optional<Refusal> refusal = StrictRefusal(prepared)) return *refusal;
  return WithWarnings(CallWriter(action, path, prepared.settings, prepared.check), std::move(prepared.warnings));
}

bool PrintsRequest(OutputAction action) {
  const OutputFormat* format = OutputFormatOf(action);
  return format != nullptr && format->print != nullptr;
}

PrintedRequest PrintRequest(OutputAction action, BarcodeSettings settings) {
  // Under -dpi, the sides of the bitmap the bitmap actions would draw, fitted to whole dots.
  std::optional<std::pair<int, int>> dots;
  const auto bitmaps = std::ranges::find_if(OutputFormats(), &OutputFormat::bitmap);
  if (settings.dpi > 0 && bitmaps != OutputFormats().end()) {
    const PreparedRequest bitmap = PrepareRequest(bitmaps->action, settings);
    dots = BitmapSides(bitmap.settings, bitmap.check);
  }
  PreparedRequest prepared = PrepareRequest(action, std::move(settings));
  Status status = Done{};
  if (std::optional<Refusal> refusal = StrictRefusal(prepared)) {
    status = *refusal;
  } else if (!prepared.check) {
    status = Refusal(DataRefusal(prepared.settings, prepared.check.refusal));
  }
  std::string line =
      OutputFormatOf(action)->print(prepared.settings, prepared.check, dots, prepared.warnings, status.refusal);
  // As with a file, a request refused for its warnings reports them as its refusal alone.
  if (status) status.warnings = std::move(prepared.warnings);
  return {std::move(line), std::move(status)};
}

PrintedRequest PrintRefusedRequest(OutputAction action, const BarcodeSettings& settings, std::string refusal) {
  std::string line = OutputFormatOf(action)->print(settings, Refusal(refusal), std::nullopt, {}, refusal);
  return {std::move(line), Refusal(std::move(refusal))};
}

std::size_t BitmapPixels(OutputAction action, const PreparedRequest& prepared) {
  const OutputFormat* format = OutputFormatOf(action);
  return format != nullptr && format->bitmap ? BitmapPixelCount(prepared.settings, prepared.check) : 0;
}

Result<std::string> RenderRequest(OutputAction action, const std::string& path, BarcodeSettings settings) {
  return RenderPreparedRequest(action, path, PrepareRequest(action, std::move(settings)));
}

Result<std::string> RenderPreparedRequest(OutputAction action, const std::string& path, PreparedRequest prepared) {
  if (std::optional<Refusal> refusal = StrictRefusal(prepared)) return *refusal;
  Result<std::string> rendered = RenderFileBytes(action, prepared.settings, prepared.check, path);
  if (rendered && prepared.settings.strict && !rendered.warnings.empty()) return Refusal{rendered.warnings.front()};
  return WithWarnings(std::move(rendered), std::move(prepared.warnings));
}

}  // namespace kbc
