#include "request/draw.h"

#include "core/symbology.h"
#include "dispatch/render_barcode.h"
#include "output/bitmap_writers.h"
#include "output/file_bytes.h"
#include "output/output_formats.h"
#include "output/file_writers.h"
#include "output/pdf_writers.h"
#include "text/mac_roman.h"
#include "text/utf8.h"
#include "request/data_warnings.h"
#include "request/gs1_warnings.h"

namespace kbc {
namespace {

// The command line gives no target size: 0 × 0 is the fallback image size.
WriteStatus CallWriter(OutputAction action, const std::string& path, const BarcodeSettings& settings,
                       const DataCheck& check) {
  if (action == OutputAction::None) return WriteStatus::Failure("no output type given");
  if (action == OutputAction::Clipboard) return CopyToPasteboard(settings, check, 0, 0);
  return WriteActionFile(action, path, settings, check);
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
  // The request's one check and encoding, shared by the warnings and the writer.
  DataCheck check = CheckBarcodeData(settings);
  // Judged before the writer converts the colours for its output.
  const std::optional<std::string> dataWarning = DataChangeWarning(given, shaping, settings, check);
  const std::optional<std::string> addOnWarning = AddOnChangeWarning(givenAddOn, shaping, settings);
  const std::optional<std::string> colourWarning = InvisibleBarsWarning(settings, action);
  const std::optional<std::string> modelWarning = ColourModelWarning(settings, action);
  const std::optional<std::string> gs1Warning = Gs1Warning(settings);
  std::vector<std::string> warnings;
  for (const auto& warning : {dataWarning, addOnWarning, colourWarning, modelWarning, gs1Warning}) {
    if (warning) warnings.push_back(*warning);
  }
  return {std::move(settings), std::move(check), std::move(warnings)};
}

RequestResult DrawRequest(OutputAction action, const std::string& path, BarcodeSettings settings) {
  return DrawPreparedRequest(action, path, PrepareRequest(action, std::move(settings)));
}

RequestResult DrawPreparedRequest(OutputAction action, const std::string& path, PreparedRequest prepared) {
  if (prepared.settings.strict && !prepared.warnings.empty()) return {false, std::move(prepared.warnings), {}};
  const WriteStatus status = CallWriter(action, path, prepared.settings, prepared.check);
  RequestResult result;
  if (!status.ok) {
    result.errors.push_back(status.message);
    return result;
  }
  result.written = true;
  result.warnings = std::move(prepared.warnings);
  if (!status.warning.empty()) result.warnings.push_back(status.warning);
  return result;
}

std::size_t BitmapPixels(OutputAction action, const PreparedRequest& prepared) {
  const OutputFormat* format = OutputFormatOf(action);
  return format != nullptr && format->bitmap ? BitmapPixelCount(prepared.settings, prepared.check) : 0;
}

RenderedRequest RenderRequest(OutputAction action, const std::string& path, BarcodeSettings settings) {
  PreparedRequest prepared = PrepareRequest(action, std::move(settings));
  RenderedRequest result;
  if (prepared.settings.strict && !prepared.warnings.empty()) {
    result.error = std::move(prepared.warnings.front());
    return result;
  }
  FileRendering rendering = RenderFileBytes(action, prepared.settings, prepared.check, path);
  if (!rendering.Drawn() || (prepared.settings.strict && !rendering.warning.empty())) {
    result.error = std::move(rendering.Drawn() ? rendering.warning : rendering.reason);
    return result;
  }
  result.bytes = std::move(rendering.bytes);
  result.warnings = std::move(prepared.warnings);
  if (!rendering.warning.empty()) result.warnings.push_back(std::move(rendering.warning));
  return result;
}


}  // namespace kbc
