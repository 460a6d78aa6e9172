// The PDF file's bytes, and the same page put on the clipboard.
#pragma once

#include <string>

#include "core/result.h"
#include "core/settings.h"
#include "dispatch/data_check.h"

namespace kbc {

// One page the size of the symbol. The colours are converted to RGB, as the
// file holds them.
Result<std::string> RenderPdfBytes(const BarcodeSettings& settings, const CheckedSymbol& checked);

// The 200 × 50 page of the "No BarCode Image" placeholder, left in place of
// data that cannot be drawn.
Result<std::string> RenderPdfPlaceholder(const BarcodeSettings& settings);

// The request's page, or the placeholder's, on the clipboard; refused when the
// data cannot be drawn, even though the placeholder was put there.
Status CopyToPasteboard(const BarcodeSettings& settings, const DataCheck& check);

}  // namespace kbc
