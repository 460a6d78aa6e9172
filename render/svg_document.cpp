// SVG documents. As in the EPS documents, '\n' and '\t' are the document's own
// line breaks and indents while it is built; user text reaches the document
// only as escaped XML, so the clean-up passes never touch it.
#include "render/svg_document.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "core/string_ops.h"
#include "fonts/fonts.h"
#include "render/number_format.h"

namespace kbc {
namespace {

int Channel(double value) { return int(std::floor(float(value) * 255.0f)); }

Rgb8 FromRgb(double r, double g, double b) { return {Channel(r), Channel(g), Channel(b)}; }

void AppendPieces(std::string& to, std::initializer_list<std::string_view> pieces) {
  for (const std::string_view piece : pieces) to += piece;
}

Rgb8 FromGrey(double grey) { return FromRgb(grey, grey, grey); }

// Without colour management: (1 − C)(1 − K), (1 − M)(1 − K), (1 − Y)(1 − K).
Rgb8 FromCmyk(const ColourComponents& k) {
  return FromRgb((1 - k[0]) * (1 - k[3]), (1 - k[1]) * (1 - k[3]), (1 - k[2]) * (1 - k[3]));
}

std::string RgbText(const Rgb8& c) {
  return "rgb(" + FormatInt(c.r) + ',' + FormatInt(c.g) + ',' + FormatInt(c.b) + ')';
}

bool XmlAllows(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

void AppendHexReference(std::string& out, char32_t c) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char hex[8];
  int n = 0;
  do {
    hex[n++] = kDigits[c & 0xF];
    c >>= 4;
  } while (c != 0);
  out += "&#x";
  while (n > 0) out += hex[--n];
  out += ';';
}

}  // namespace

SvgColours SvgColoursFor(const BarcodeSettings& s) {
  ColourComponents fg = s.foreground;
  ColourComponents bg = s.background;
  if (s.colourMode == kColourRgb) {
    const bool black = fg[0] < 0.01 && fg[1] < 0.01 && fg[2] < 0.01;
    const bool white = bg[0] > 0.99 && bg[1] > 0.99 && bg[2] > 0.99;
    if (black) fg[0] = fg[1] = fg[2] = 0;
    if (white) bg[0] = bg[1] = bg[2] = 1;
    if (black && white) return {FromGrey(0), FromGrey(1)};
    return {FromRgb(fg[0], fg[1], fg[2]), FromRgb(bg[0], bg[1], bg[2])};
  }
  if (s.colourMode == kColourCmyk) {
    if (bg[0] < 0.01 && bg[1] < 0.01 && bg[2] < 0.01 && bg[3] < 0.01) bg[0] = bg[1] = bg[2] = bg[3] = 0;
    if (fg[3] > 0.99) fg[3] = 1;
    if (fg[3] == 1 && bg[0] == 0 && bg[1] == 0 && bg[2] == 0 && bg[3] == 0) return {FromGrey(0), FromGrey(1)};
    return {FromCmyk(fg), FromCmyk(bg)};
  }
  if (fg[0] < 0.01) fg[0] = 0;
  if (bg[0] > 0.99) bg[0] = 1;
  return {FromGrey(fg[0]), FromGrey(bg[0])};
}

std::string SvgTextContent(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t c : text) {
    if (c == U'&') {
      out += "&amp;";
    } else if (c == U'<') {
      out += "&lt;";
    } else if (c == U'>') {
      out += "&gt;";
    } else if (c >= 0x20 && c <= 0x7E) {
      out += char(c);
    } else if (XmlAllows(c)) {
      AppendHexReference(out, c);
    }
  }
  return out;
}

std::string XmlAttributeValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void SvgBeginDocument(std::string& svg, const Rect& symbol, const BarcodeSettings& settings) {
  const double factor = settings.scale / 100;
  const std::string w = FormatFixed(symbol.width * factor, 2);
  const std::string h = FormatFixed(symbol.height * factor, 2);
  svg += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg\n"
         "\txmlns:svg=\"http://www.w3.org/2000/svg\"\n"
         "\txmlns=\"http://www.w3.org/2000/svg\"\n";
  svg += "\tviewBox=\"0 0 " + w + ' ' + h + "\"\n";
  if (settings.geometry.physical) {
    // Sized in real units, so that every consumer shows it at its printed size.
    const double millimetresPerPoint = kMillimetresPerInch / kPointsPerInch;
    svg += "\twidth=\"" + FormatFixed(symbol.width * factor * millimetresPerPoint, 3) + "mm\"\n";
    svg += "\theight=\"" + FormatFixed(symbol.height * factor * millimetresPerPoint, 3) + "mm\"\n";
  } else {
    svg += "\twidth=\"" + w + "\"\n";
    svg += "\theight=\"" + h + "\"\n";
  }
  svg += "\tfont-variant=\"normal\"\n\tfont-weight=\"normal\"\n";
  svg += "\tfont-size=\"" + FormatFixed(settings.fontSize, 0) + "px\"\n";
  svg += "\tfont-family=\"" + XmlAttributeValue(PostScriptFontName(settings.fontName)) + "\"\n";
  svg += "\twriting-mode=\"lr-tb\"\n";

  const SvgColours colours = SvgColoursFor(settings);
  const std::string fg = RgbText(colours.foreground);
  svg += "\tfill-opacity=\"1\"\n\tstroke-width=\"0\"\n";
  svg += "\tstroke=\"" + fg + "\"\n\tfill=\"" + fg + "\"\n>\n";
  const std::string s = FormatFixed(factor, 4);
  svg += "<g transform=\"scale(" + s + ',' + s + ")\">\n";
  if (settings.opaqueBackground == 1) {
    const std::string bg = RgbText(colours.background);
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"" + bg + "\" stroke=\"" + bg + "\"></rect>\n";
  }
}

void SvgFillRect(std::string& svg, const Rect& r, double imageHeight) {
  const std::string x = FormatFixed(r.x, 0);
  const std::string x2 = FormatFixed(r.x + r.width, 0);
  const std::string ya = FormatFixed(imageHeight - r.y, 0);
  const std::string yb = FormatFixed(imageHeight - (r.y + r.height), 0);
  // Appended piece by piece: a symbol has a path per bar, and a chain of
  // operator+ builds a temporary string at every step.
  AppendPieces(svg, {"<path stroke=\"none\" d=\"M ", x, " ", ya, " L ", x, " ", yb, " L ", x2, " ", yb, " L ", x2, " ",
                     ya, " L ", x, " ", ya, " Z\"></path>\n"});
}

void SvgStrokeRect(std::string& svg, const Rect& r, double tx, double ty) {
  const std::string x = FormatFixed(r.x, 0);
  const std::string x2 = FormatFixed(r.x + r.width, 0);
  const std::string y = FormatFixed(r.y, 0);
  const std::string y2 = FormatFixed(r.y + r.height, 0);
  svg += "<path transform=\"translate(" + FormatFixed(tx, 0) + ", " + FormatFixed(ty, 0) +
         ")\" stroke-width=\"10\" fill=\"none\" d=\"M " + x + ' ' + y + " L " + x + ' ' + y2 + " L " + x2 + ' ' + y2 +
         " L " + x2 + ' ' + y + " L " + x + ' ' + y + " Z\"></path>\n";
}

void SvgDrawText(std::string& svg, int x, int y, std::u32string_view text, std::u32string_view fontName,
                 double fontSize) {
  svg += "<text font-size=\"" + FormatFixed(fontSize, 0) + "px\" font-family=\"" +
         XmlAttributeValue(PostScriptFontName(fontName)) + "\" x=\"" + FormatInt(x) + "\" y=\"" + FormatInt(y) +
         "\">" + SvgTextContent(text) + "</text>\n";
}

void SvgEndDocument(std::string& svg) {
  svg += "</g>\n</svg>\n";
  ReplacePair(svg, "  ", ' ');
  ReplacePair(svg, " \n", '\n');
}

}  // namespace kbc
