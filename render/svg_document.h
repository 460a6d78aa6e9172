// The SVG document every renderer appends to: root element, colours converted to
// 8-bit RGB, one path per rectangle, text elements, clean-up.
#pragma once

#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/types.h"

namespace kbc {

struct Rgb8 {
  int r = 0;
  int g = 0;
  int b = 0;
};

// Foreground and background after snapping and conversion to device RGB.
struct SvgColours {
  Rgb8 foreground;
  Rgb8 background;
};
SvgColours SvgColoursFor(const BarcodeSettings& settings);

void SvgBeginDocument(std::string& svg, const Rect& symbol, const BarcodeSettings& settings);
// A filled rectangle, y flipped inside the image height.
void SvgFillRect(std::string& svg, const Rect& rect, double imageHeight);
// A stroked rectangle, not flipped, translated by (tx, ty).
void SvgStrokeRect(std::string& svg, const Rect& rect, double tx, double ty);
void SvgDrawText(std::string& svg, int x, int y, std::u32string_view text, std::u32string_view fontName,
                 double fontSize);
// A line centred on x (text-anchor middle) at its own size; x and y as written.
void SvgDrawCentredText(std::string& svg, std::string_view x, std::string_view y, std::u32string_view text,
                        std::u32string_view fontName, double fontSize);
void SvgEndDocument(std::string& svg);

// Text content: printable ASCII as it is (with & < > escaped), every other
// character as a hexadecimal character reference; characters XML cannot hold
// are dropped.
std::string SvgTextContent(std::u32string_view text);

// An attribute value with & < > " escaped.
std::string XmlAttributeValue(std::string_view text);

}  // namespace kbc
