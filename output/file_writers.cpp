// The file writers: a rendering written whole, or not at all.
#include "files/atomic_file.h"
#include "output/bitmap_writers.h"
#include "output/file_bytes.h"
#include "output/file_codes.h"
#include "output/file_writers.h"
#include "output/pdf_writers.h"
#include "output/vector_writers.h"

namespace kbc {
namespace {

WriteStatus WriteRendering(const std::string& path, const FileRendering& rendering) {
  if (!rendering.bytes) return WriteStatus::Failure(rendering.reason + "; \"" + path + "\" was not written");
  if (const auto failure = WriteFileAtomically(path, *rendering.bytes)) return WriteStatus::Failure(*failure);
  SetFileTypeAndCreator(path, rendering.fileType, rendering.creator);
  // Refused data still leaves its placeholder file, and the run fails.
  if (!rendering.reason.empty()) {
    return WriteStatus::Failure(rendering.reason + "; \"" + path + "\" holds only the \"No BarCode Image\" placeholder");
  }
  return rendering.warning.empty() ? WriteStatus::Success() : WriteStatus::SuccessWith(rendering.warning);
}

}  // namespace

WriteStatus WriteEpsFile(const std::string& path, const BarcodeSettings& settings, const DataCheck& check) {
  return WriteRendering(path, RenderEpsBytes(settings, check, path));
}

WriteStatus WriteSvgFile(const std::string& path, const BarcodeSettings& settings, const DataCheck& check) {
  return WriteRendering(path, RenderSvgBytes(settings, check));
}

WriteStatus WritePdfFile(const std::string& path, const BarcodeSettings& settings, const DataCheck& check, float width,
                         float height) {
  return WriteRendering(path, RenderPdfBytes(settings, check, width, height));
}

WriteStatus WritePngFile(const std::string& path, const BarcodeSettings& settings, const DataCheck& check, float width,
                         float height) {
  return WriteRendering(path, RenderPngBytes(settings, check, width, height));
}

WriteStatus WriteJpegFile(const std::string& path, const BarcodeSettings& settings, const DataCheck& check, float width,
                          float height) {
  return WriteRendering(path, RenderJpegBytes(settings, check, width, height));
}

WriteStatus WriteActionFile(OutputAction action, const std::string& path, const BarcodeSettings& settings,
                            const DataCheck& check) {
  return WriteRendering(path, RenderFileBytes(action, settings, check, path));
}

WriteStatus WriteTiffFile(const std::string& path, const BarcodeSettings& settings, const DataCheck& check, float width,
                          float height) {
  return WriteRendering(path, RenderTiffBytes(settings, check, width, height));
}

}  // namespace kbc
