// The PDF file's bytes and the clipboard PDF: one page the size of the symbol.
#include "output/pdf_writers.h"

#include "canvas/pdf_canvas.h"
#include "core/symbology.h"
#include "dispatch/render_barcode.h"
#include "files/preferences.h"
#include "output/colour_conversion.h"
#include "output/metadata.h"
#include "output/refusal.h"
#include "platform/clipboard.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// Titles longer than this are cut; the keywords keep the whole text.
constexpr std::size_t kTitleLength = 250;

// The page of data that cannot be drawn.
constexpr double kPlaceholderWidth = 200;
constexpr double kPlaceholderHeight = 50;

PdfDocumentInfo DocumentInfoFor(const BarcodeSettings& settings) {
  PdfDocumentInfo info;
  ReadPreferenceString("QZTXAuth", info.author);
  info.creator = "Kestrova BarCode";
  const std::u32string metadata = BuildMetadataText(settings);
  info.title = ToUtf8(std::u32string_view(metadata).substr(0, kTitleLength));
  info.subject = std::string(SymbologyName(settings.symbology));
  info.keywords = ToUtf8(metadata);
  return info;
}

// The request on one page, turned as asked: the drawing is made upright in a
// turned user space.
Result<std::string> SymbolPage(const BarcodeSettings& settings, const CheckedSymbol& checked,
                               const std::optional<PdfDocumentInfo>& info) {
  const int turns = settings.quarterTurns;
  const Rect page = Turned(checked.image, turns);
  PdfCanvas canvas(page.width, page.height);
  if (info) canvas.SetDocumentInfo(*info);
  if (turns != 0) {
    const PageTurn turn = PageTurnFor(turns, checked.image.width, checked.image.height);
    canvas.Translate(turn.tx, turn.ty);
    canvas.RotateQuarterTurns(turn.anticlockwise);
  }
  RenderBarcode(canvas, settings, checked);
  Result<std::string> pdf = canvas.Finish();
  if (pdf && canvas.TextLackedFont()) pdf.warnings.emplace_back(kNoFontWarning);
  return pdf;
}

Result<std::string> PlaceholderPage(const BarcodeSettings& settings, const std::optional<PdfDocumentInfo>& info) {
  PdfCanvas canvas(kPlaceholderWidth, kPlaceholderHeight);
  if (info) canvas.SetDocumentInfo(*info);
  RenderPlaceholder(canvas, settings);
  return canvas.Finish();
}

}  // namespace

Result<std::string> RenderPdfBytes(const BarcodeSettings& settings, const CheckedSymbol& checked) {
  const BarcodeSettings rgb = WithRgbColours(settings);
  return SymbolPage(rgb, checked, DocumentInfoFor(rgb));
}

Result<std::string> RenderPdfPlaceholder(const BarcodeSettings& settings) {
  const BarcodeSettings rgb = WithRgbColours(settings);
  return PlaceholderPage(rgb, DocumentInfoFor(rgb));
}

Status CopyToPasteboard(const BarcodeSettings& settings, const DataCheck& check) {
  // The record's own colour mode: the canvas turns grey and CMYK into their RGB equivalents.
  const Result<std::string> pdf =
      check ? SymbolPage(settings, *check, std::nullopt) : PlaceholderPage(settings, std::nullopt);
  if (!pdf) return Refusal(pdf.refusal + "; nothing was put on the clipboard");
  if (check && settings.strict && !pdf.warnings.empty()) return Refusal(pdf.warnings.front());
  Status copied = CopyPdfToClipboard(*pdf);
  if (!copied) return copied;
  if (!check) {
    return Refusal(DataRefusal(settings, check.refusal) +
                   "; the clipboard holds only the \"No BarCode Image\" placeholder");
  }
  copied.warnings = pdf.warnings;
  return copied;
}

}  // namespace kbc
