// The file writer: a rendering written whole, or not at all.
#include "output/file_writers.h"

#include "files/atomic_file.h"
#include "output/file_bytes.h"
#include "output/file_codes.h"
#include "output/output_formats.h"
#include "output/refusal.h"

namespace kbc {
namespace {

Status WriteBytes(const OutputFormat& format, const std::string& path, Result<std::string> bytes) {
  if (!bytes) return Refusal(bytes.refusal + "; \"" + path + "\" was not written");
  // The codes go on before the file has its name, through its descriptor.
  const std::array<char, 32> info = FinderInfo(format.fileType, format.creator);
  Status written = WriteFileAtomically(path, *bytes, ExtendedAttribute{kFinderInfoAttribute, {info.data(), info.size()}});
  if (!written) return written;
  written.warnings = std::move(bytes.warnings);
  return written;
}

}  // namespace

Status WriteActionFile(OutputAction action, const std::string& path, const BarcodeSettings& settings,
                       const DataCheck& check) {
  const OutputFormat* format = OutputFormatOf(action);
  if (format == nullptr || format->render == nullptr) return Refusal("the action makes no file");
  if (check || format->placeholder == nullptr) {
    Result<std::string> bytes = RenderFileBytes(action, settings, check, path);
    // Under -strict 1 what the file would lack refuses it before it is written.
    if (bytes && settings.strict && !bytes.warnings.empty()) return Refusal(bytes.warnings.front());
    return WriteBytes(*format, path, std::move(bytes));
  }
  // Refused data still leaves its placeholder file, and the run fails.
  const Status written = WriteBytes(*format, path, format->placeholder(settings));
  if (!written) return written;
  return Refusal(DataRefusal(settings, check.refusal) + "; \"" + path +
                 "\" holds only the \"No BarCode Image\" placeholder");
}

}  // namespace kbc
