// Drawing one request: its data shaped for the symbology, checked once, the
// warnings judged, then its file written (the command line) or rendered in
// memory (the library). Both go through PrepareRequest.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/result.h"
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

// Draws the request with the action's writer into path. Refused with the
// stderr line, without the program's prefix, when nothing or only a
// placeholder was written; a written file's warnings say what was encoded
// differently or what the file lacks.
Status DrawRequest(OutputAction action, const std::string& path, BarcodeSettings settings);
Status DrawPreparedRequest(OutputAction action, const std::string& path, PreparedRequest prepared);

// Whether the action prints a line per request instead of drawing (-action info).
bool PrintsRequest(OutputAction action);

// What a printing action prints for one request, and how the request fares:
// refused, without anything drawn, where a file action would be refused for
// its data, and under -strict 1 for its warnings.
struct PrintedRequest {
  std::string line;  // without its LF
  Status status = Done{};
};
PrintedRequest PrintRequest(OutputAction action, BarcodeSettings settings);
// A request refused before it was prepared (a batch line or CSV row that
// could not be read): the line names what the settings know.
PrintedRequest PrintRefusedRequest(OutputAction action, const BarcodeSettings& settings, std::string refusal);

// The pixels of the bitmap the action's writer draws for the request; 0 for
// the actions that draw none.
std::size_t BitmapPixels(OutputAction action, const PreparedRequest& prepared);

// A file action's bytes in memory: what DrawRequest would write to path (whose
// last component is the EPS title). Refused when the file would not be
// written or would hold only the placeholder.
Result<std::string> RenderRequest(OutputAction action, const std::string& path, BarcodeSettings settings);
Result<std::string> RenderPreparedRequest(OutputAction action, const std::string& path, PreparedRequest prepared);

}  // namespace kbc
