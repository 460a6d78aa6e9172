// The EPS and SVG files' bytes, written from the request's layout. Neither
// draws a placeholder when the data cannot be drawn.
#pragma once

#include <string_view>

#include "core/settings.h"
#include "dispatch/data_check.h"
#include "output/file_bytes.h"

namespace kbc {

// `path` serves only as the EPS title, by its last component.
FileRendering RenderEpsBytes(const BarcodeSettings& settings, const DataCheck& check, std::string_view path);
FileRendering RenderSvgBytes(const BarcodeSettings& settings, const DataCheck& check);

}  // namespace kbc
