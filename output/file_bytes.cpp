#include "output/file_bytes.h"

#include "output/output_formats.h"
#include "output/refusal.h"

namespace kbc {

Result<std::string> RenderFileBytes(OutputAction action, const BarcodeSettings& settings, const DataCheck& check,
                                    std::string_view path) {
  const OutputFormat* format = OutputFormatOf(action);
  if (format == nullptr || format->render == nullptr) return Refusal("the action makes no file");
  if (!check) return Refusal(DataRefusal(settings, check.refusal));
  return format->render(settings, *check, path);
}

}  // namespace kbc
