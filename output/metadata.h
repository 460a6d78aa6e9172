// Metadata texts written into EPS headers and PDF document information.
#pragma once

#include <string>

#include "core/settings.h"

namespace kbc {

// Replaces line feed, carriage return, tab, vertical tab and form feed by their
// two-character escapes so the text stays on one line.
void EscapeControlChars(std::u32string& text);

// Symbology name, data and add-on separated by spaces, trailing white space
// trimmed, control characters escaped.
std::u32string BuildMetadataText(const BarcodeSettings& settings);

// The same between guillemets, for the EPS header.
std::u32string BuildEpsMetadata(const BarcodeSettings& settings);

}  // namespace kbc
