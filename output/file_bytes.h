// A file's bytes drawn in memory, apart from writing them: the command line's
// writers and the library's in-memory renders share these, so both give the
// same bytes for the same request.
#pragma once

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
  std::string warning;  // what a drawn file lacks

  bool Drawn() const { return bytes.has_value() && reason.empty(); }
};

// The file of a file action at the command line's fallback size 0 × 0; the
// clipboard and no action make no file.
FileRendering RenderFileBytes(OutputAction action, const BarcodeSettings& settings, const DataCheck& check,
                              std::string_view path);

}  // namespace kbc
