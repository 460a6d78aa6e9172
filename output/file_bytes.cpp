#include "output/file_bytes.h"

#include "output/bitmap_writers.h"
#include "output/pdf_writers.h"
#include "output/vector_writers.h"

namespace kbc {

FileRendering RenderFileBytes(OutputAction action, const BarcodeSettings& settings, const DataCheck& check,
                              std::string_view path) {
  switch (action) {
    case OutputAction::Eps:
      return RenderEpsBytes(settings, check, path);
    case OutputAction::Svg:
      return RenderSvgBytes(settings, check);
    case OutputAction::Pdf:
      return RenderPdfBytes(settings, check, 0, 0);
    case OutputAction::Png:
      return RenderPngBytes(settings, check, 0, 0);
    case OutputAction::Jpeg:
      return RenderJpegBytes(settings, check, 0, 0);
    case OutputAction::Tiff:
      return RenderTiffBytes(settings, check, 0, 0);
    case OutputAction::Clipboard:
    case OutputAction::None:
      break;
  }
  FileRendering none;
  none.reason = "the action makes no file";
  return none;
}

}  // namespace kbc
