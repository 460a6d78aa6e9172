// Drawing one request: its data shaped for the symbology, checked once, the
// warnings judged, then its file written (the command line) or rendered in
// memory (the library). Both go through PrepareRequest.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/types.h"
#include "dispatch/data_check.h"

namespace kbc {

// A request ready for a writer: shaped settings, their one data check, and
// the warnings about what is drawn differently from what was given.
struct PreparedRequest {
  BarcodeSettings settings;
  DataCheck check;
  std::vector<std::string> warnings;
};

PreparedRequest PrepareRequest(OutputAction action, BarcodeSettings settings);

// What drawing one barcode produced: whether its file was written, and the
// stderr lines, without the program's prefix.
struct RequestResult {
  bool written = false;
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
};

// Draws the request with the action's writer into path, and says what went
// wrong or what was encoded differently.
RequestResult DrawRequest(OutputAction action, const std::string& path, BarcodeSettings settings);
RequestResult DrawPreparedRequest(OutputAction action, const std::string& path, PreparedRequest prepared);

// The pixels of the bitmap the action's writer draws for the request; 0 for
// the actions that draw none.
std::size_t BitmapPixels(OutputAction action, const PreparedRequest& prepared);

// A file action's bytes in memory: what DrawRequest would write to path (whose
// last component is the EPS title). No bytes, with the reason, when the file
// would not be written or would hold only the placeholder.
struct RenderedRequest {
  std::optional<std::string> bytes;
  std::string error;
  std::vector<std::string> warnings;
};

RenderedRequest RenderRequest(OutputAction action, const std::string& path, BarcodeSettings settings);

}  // namespace kbc
