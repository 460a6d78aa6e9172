// The PDF file's bytes and the clipboard PDF: one page the size of the symbol.
#include "canvas/pdf_canvas.h"
#include "core/symbology.h"
#include "dispatch/data_check.h"
#include "dispatch/render_barcode.h"
#include "files/preferences.h"
#include "output/colour_conversion.h"
#include "output/file_bytes.h"
#include "output/file_writers.h"
#include "output/metadata.h"
#include "output/page_size.h"
#include "output/pdf_writers.h"
#include "output/refusal.h"
#include "platform/clipboard.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// Titles longer than this are cut; the keywords keep the whole text.
constexpr std::size_t kTitleLength = 250;

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

std::string NotDrawable(const BarcodeSettings& settings, const DataCheck& check, const std::string& where) {
  return DataRefusal(settings, check) + "; " + where + " holds only the \"No BarCode Image\" placeholder";
}

// Renders the request on one page; the PDF bytes, or nothing with `error` set.
// `lackedFont` tells whether text was left out for want of any font.
std::optional<std::string> RenderPdf(const BarcodeSettings& settings, const DataCheck& check,
                                     const std::optional<PdfDocumentInfo>& info, float width, float height,
                                     std::string& error, bool& lackedFont) {
  const std::optional<Rect>& image = check.image;
  const int turns = settings.quarterTurns;
  const PageSize page = PageSizeFor(image ? std::optional(Turned(*image, turns)) : std::nullopt, width, height);
  PdfCanvas canvas(page.width, page.height);
  if (info) canvas.SetDocumentInfo(*info);
  // The page holds the symbol turned: the drawing is made upright in a turned user space.
  if (image && turns != 0) {
    const PageTurn turn = PageTurnFor(turns, image->width, image->height);
    canvas.Translate(turn.tx, turn.ty);
    canvas.RotateQuarterTurns(turn.anticlockwise);
  }
  RenderBarcode(canvas, settings, check, width, height);
  lackedFont = canvas.TextLackedFont();
  return canvas.Finish(error);
}

}  // namespace

FileRendering RenderPdfBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height) {
  const BarcodeSettings copy = WithRgbColours(settings);

  FileRendering rendering;
  bool lackedFont = false;
  rendering.bytes = RenderPdf(copy, check, DocumentInfoFor(copy), width, height, rendering.reason, lackedFont);
  if (rendering.bytes && !check.image) rendering.reason = DataRefusal(copy, check);
  if (lackedFont) rendering.warning = kNoFontWarning;
  return rendering;
}

WriteStatus CopyToPasteboard(const BarcodeSettings& settings, const DataCheck& check, float width, float height) {
  // The record's own colour mode: the canvas turns grey and CMYK into their RGB equivalents.
  std::string error;
  bool lackedFont = false;
  const std::optional<std::string> pdf = RenderPdf(settings, check, std::nullopt, width, height, error, lackedFont);
  if (!pdf) return WriteStatus::Failure(error + "; nothing was put on the clipboard");
  if (lackedFont && settings.strict && check.image) return WriteStatus::Failure(std::string(kNoFontWarning));
  if (!CopyPdfToClipboard(*pdf, error)) return WriteStatus::Failure(error);
  if (!check.image) return WriteStatus::Failure(NotDrawable(settings, check, "the clipboard"));
  return lackedFont ? WriteStatus::SuccessWith(std::string(kNoFontWarning)) : WriteStatus::Success();
}

}  // namespace kbc
