#include "output/file_bytes.h"

#include "output/output_formats.h"
#include "output/bitmap_writers.h"
#include "output/pdf_writers.h"
#include "output/vector_writers.h"

namespace kbc {

FileRendering RenderFileBytes(OutputAction action, const BarcodeSettings& settings, const DataCheck& check,
                              std::string_view path) {
  const OutputFormat* format = OutputFormatOf(action);
  if (format != nullptr && format->render != nullptr) return format->render(settings, check, path);
  FileRendering none;
  none.reason = "the action makes no file";
  return none;
}

}  // namespace kbc
