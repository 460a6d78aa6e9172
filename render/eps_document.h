// The EPS document every renderer appends to: header with placeholders, the QZ
// procedures, colour statements, one line per drawing primitive, clean-up.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/types.h"

namespace kbc {

// Begins a document for a symbol of symbol.width × symbol.height units: header,
// procedures, the optional background rectangle and the foreground colour.
void EpsBeginDocument(std::string& eps, const Rect& symbol, const BarcodeSettings& settings);
void EpsFillRect(std::string& eps, const Rect& rect);
void EpsStrokeRect(std::string& eps, const Rect& rect);
void EpsSetLineWidth(std::string& eps, double width);
void EpsSetFont(std::string& eps, std::u32string_view fontName, double size);
void EpsDrawChar(std::string& eps, int x, int y, std::u32string_view text);
// A line centred on x by its width in the current font; x and y as written.
void EpsDrawCentredText(std::string& eps, std::string_view x, std::string_view y, std::u32string_view text);
// Appends the trailer and cleans up spaces around line breaks.
void EpsEndDocument(std::string& eps);

// Text as the body of a PostScript string: ( ) and \ escaped, control characters
// as octal escapes, everything else as UTF-8.
std::string EpsStringBody(std::u32string_view text);

// The creation date of the header: "M/d/yy h:mm AM" in local time, or of the
// instant SOURCE_DATE_EPOCH names, in UTC, when that variable is set.
std::string EpsCreationDate();

}  // namespace kbc
