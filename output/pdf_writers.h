// The PDF file's bytes, and the same page put on the clipboard.
#pragma once

#include "core/settings.h"
#include "dispatch/data_check.h"
#include "output/file_bytes.h"
#include "output/file_writers.h"

namespace kbc {

// width and height are the fallback image size of the placeholder drawn when
// the data cannot be drawn (the command line passes 0 and 0). The colours are
// converted to RGB, as the file holds them.
FileRendering RenderPdfBytes(const BarcodeSettings& settings, const DataCheck& check, float width, float height);

WriteStatus CopyToPasteboard(const BarcodeSettings& settings, const DataCheck& check, float width, float height);

}  // namespace kbc
