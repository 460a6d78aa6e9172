// A file's bytes drawn in memory, apart from writing them: the command line's
// writers and the library's in-memory renders share these, so both give the
// same bytes for the same request.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/types.h"
#include "dispatch/data_check.h"

namespace kbc {

// The whole file, or nothing; with a reason when nothing was made, or when the
// bytes are only the "No BarCode Image" placeholder (PDF and bitmaps).
struct FileRendering {
  std::optional<std::string> bytes;
  std::string reason;
  std::string warning;         // what a drawn file lacks
  std::uint32_t fileType = 0;  // the HFS codes a written file carries
  std::uint32_t creator = 0;

  bool Drawn() const { return bytes.has_value() && reason.empty(); }
};

// `check` is the request's one data check (CheckBarcodeData of these settings).
// width and height are the fallback image size of the placeholder that PDF and
// bitmaps draw when the data cannot be drawn (the command line passes 0 and 0);
// EPS and SVG draw none. The PDF, PNG and JPEG renders convert the
// settings' colours to RGB, as their files hold them. `path` serves only as
// the EPS title, by its last component.
FileRendering RenderEpsBytes(const BarcodeSettings& settings, const DataCheck& check, std::string_view path);
FileRendering RenderSvgBytes(const BarcodeSettings& settings, const DataCheck& check);
FileRendering RenderPdfBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height);
// The pixels of the bitmap a PNG, JPEG or TIFF writer draws for the request:
// 0 when it draws none (the data cannot be drawn, or the bitmap is too large).
std::size_t BitmapPixelCount(const BarcodeSettings& settings, const DataCheck& check);

FileRendering RenderPngBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height);
FileRendering RenderJpegBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height);
FileRendering RenderTiffBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height);

// The file of a file action at the command line's fallback size 0 × 0; the
// clipboard and no action make no file.
FileRendering RenderFileBytes(OutputAction action, const BarcodeSettings& settings, const DataCheck& check,
                              std::string_view path);

}  // namespace kbc
