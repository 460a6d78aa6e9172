// The file writer: a rendering written whole, or not at all.
#include "files/atomic_file.h"
#include "output/file_bytes.h"
#include "output/file_codes.h"
#include "output/file_writers.h"
#include "output/output_formats.h"

namespace kbc {

WriteStatus WriteActionFile(OutputAction action, const std::string& path, const BarcodeSettings& settings,
                            const DataCheck& check) {
  const FileRendering rendering = RenderFileBytes(action, settings, check, path);
  if (!rendering.bytes) return WriteStatus::Failure(rendering.reason + "; \"" + path + "\" was not written");
  if (settings.strict && rendering.reason.empty() && !rendering.warning.empty()) {
    return WriteStatus::Failure(rendering.warning);
  }
  if (const auto failure = WriteFileAtomically(path, *rendering.bytes)) return WriteStatus::Failure(*failure);
  // Only a file action renders bytes, so the action has its row.
  const OutputFormat& format = *OutputFormatOf(action);
  SetFileTypeAndCreator(path, format.fileType, format.creator);
  // Refused data still leaves its placeholder file, and the run fails.
  if (!rendering.reason.empty()) {
    return WriteStatus::Failure(rendering.reason + "; \"" + path + "\" holds only the \"No BarCode Image\" placeholder");
  }
  return rendering.warning.empty() ? WriteStatus::Success() : WriteStatus::SuccessWith(rendering.warning);
}

}  // namespace kbc
