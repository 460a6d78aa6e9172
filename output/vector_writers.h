// The EPS and SVG files' bytes, written from the request's layout.
#pragma once

#include <string>
#include <string_view>

#include "core/result.h"
#include "core/settings.h"
#include "dispatch/data_check.h"

namespace kbc {

// `path` serves only as the EPS title, by its last component.
Result<std::string> RenderEpsBytes(const BarcodeSettings& settings, const CheckedSymbol& checked, std::string_view path);
Result<std::string> RenderSvgBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);

}  // namespace kbc
