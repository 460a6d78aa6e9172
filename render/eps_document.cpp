// EPS documents. Lines are ended with '\n' while the document is built: user
// text never contains a raw control character (EpsStringBody escapes them), so
// the clean-up passes only ever see the document's own line breaks.
#include "render/eps_document.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "core/string_ops.h"
#include "fonts/fonts.h"
#include "render/number_format.h"
#include "text/utf8.h"

namespace kbc {
namespace {

constexpr std::string_view kProcedures =
    "/QZfillrect {\n/y2 exch def\n/x2 exch def\n/y1 exch def\n/x1 exch def\nnewpath\n"
    "x1 y1 moveto\nx1 y2 lineto\nx2 y2 lineto\nx2 y1 lineto\nx1 y1 lineto\nclosepath\nfill\n} def\n"
    "/QZdrawrect {\n/y2 exch def\n/x2 exch def\n/y1 exch def\n/x1 exch def\nnewpath\n"
    "x1 y1 moveto\nx1 y2 lineto\nx2 y2 lineto\nx2 y1 lineto\nx1 y1 lineto\nclosepath\nstroke\n} def\n"
    "/QZdrawchar {\n/ch exch def\n/y1 exch def\n/x1 exch def\nnewpath\nx1 y1 moveto\nch show\n"
    "closepath\n} def\n"
    "/QZsetfont {\n/sz exch def\n/fn exch def\nfn findfont\nsz scalefont\nsetfont\n} def\n";

// A colour statement: the used components then the operator of the mode.
struct EpsColour {
  std::uint32_t mode = kColourGrey;
  ColourComponents c{};
};

void AppendColour(std::string& eps, const EpsColour& colour) {
  const int count = colour.mode == kColourRgb ? 3 : colour.mode == kColourCmyk ? 4 : 1;
  for (int i = 0; i < count; ++i) eps += FormatFixed(colour.c[std::size_t(i)], 4) + ' ';
  eps += colour.mode == kColourRgb ? "setrgbcolor\n" : colour.mode == kColourCmyk ? "setcmykcolor\n" : "setgray\n";
}

// Near-black bars and near-white backgrounds snap to exact values; black on
// white is written in grey whatever the mode.
void SnapColours(const BarcodeSettings& s, EpsColour& fg, EpsColour& bg) {
  fg = {s.colourMode, s.foreground};
  bg = {s.colourMode, s.background};
  if (s.colourMode == kColourRgb) {
    const bool black = fg.c[0] < 0.01 && fg.c[1] < 0.01 && fg.c[2] < 0.01;
    const bool white = bg.c[0] > 0.99 && bg.c[1] > 0.99 && bg.c[2] > 0.99;
    if (black) fg.c[0] = fg.c[1] = fg.c[2] = 0;
    if (white) bg.c[0] = bg.c[1] = bg.c[2] = 1;
    if (black && white) fg = {kColourGrey, {0}}, bg = {kColourGrey, {1}};
  } else if (s.colourMode == kColourCmyk) {
    if (bg.c[0] < 0.01 && bg.c[1] < 0.01 && bg.c[2] < 0.01 && bg.c[3] < 0.01) bg.c[0] = bg.c[1] = bg.c[2] = bg.c[3] = 0;
    if (fg.c[3] > 0.99) fg.c[3] = 1;
    if (fg.c[3] == 1 && bg.c[0] == 0 && bg.c[1] == 0 && bg.c[2] == 0 && bg.c[3] == 0) {
      fg = {kColourGrey, {0}}, bg = {kColourGrey, {1}};
    }
  } else {
    fg.mode = bg.mode = kColourGrey;
    if (fg.c[0] < 0.01) fg.c[0] = 0;
    if (bg.c[0] > 0.99) bg.c[0] = 1;
  }
}

void AppendOctal(std::string& out, unsigned value) {
  out += '\\';
  out += char('0' + ((value >> 6) & 7));
  out += char('0' + ((value >> 3) & 7));
  out += char('0' + (value & 7));
}

}  // namespace

std::string EpsCreationDate() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
    now = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
    gmtime_r(&now, &parts);
  } else {
    localtime_r(&now, &parts);
  }
  const int hour12 = parts.tm_hour % 12 == 0 ? 12 : parts.tm_hour % 12;
  char text[64];
  std::snprintf(text, sizeof text, "%d/%d/%02d %d:%02d %s", parts.tm_mon + 1, parts.tm_mday, parts.tm_year % 100,
                hour12, parts.tm_min, parts.tm_hour < 12 ? "AM" : "PM");
  return text;
}

void EpsBeginDocument(std::string& eps, const Rect& symbol, const BarcodeSettings& settings) {
  const double factor = settings.scale / 100;
  eps += "%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: Kestrova BarCode\n%%Title: \u00ABEPSFileName\u00BB\n"
         "%%Meta: \u00ABEPSMetaData\u00BB\n%%CreationDate: ";
  eps += EpsCreationDate();
  eps += "\n%%DocumentData: Clean7Bit\n%%Origin: 0 0\n%%BoundingBox: 0 0 ";
  eps += FormatFixed(symbol.width * factor, 4) + ' ' + FormatFixed(symbol.height * factor, 4) + '\n';
  eps += "%%DPI: 72\n%%Magnification: " + FormatInt(long(settings.scale)) + "%\n";
  eps += "%%LanguageLevel: 2\n%%Pages: 1\n%%Page: 1 1\n%%EndComments\ngsave\n1 setlinewidth\n0 0 translate\n";
  const std::string s = FormatFixed(factor, 2);
  eps += s + ' ' + s + " scale\n0 0 moveto\n";
  eps += kProcedures;

  EpsColour fg, bg;
  SnapColours(settings, fg, bg);
  if (settings.opaqueBackground == 1) {
    AppendColour(eps, bg);
    eps += "0 0 " + FormatFixed(symbol.width, 0) + ' ' + FormatFixed(symbol.height, 0) + " QZfillrect\n";
  }
  AppendColour(eps, fg);
}

namespace {

void AppendRect(std::string& eps, const Rect& r, std::string_view procedure) {
  eps += FormatFixed(r.x, 0) + ' ' + FormatFixed(r.y, 0) + ' ' + FormatFixed(r.x + r.width, 0) + ' ' +
         FormatFixed(r.y + r.height, 0);
  eps += ' ';
  eps += procedure;
  eps += '\n';
}

}  // namespace

void EpsFillRect(std::string& eps, const Rect& rect) { AppendRect(eps, rect, "QZfillrect"); }

void EpsStrokeRect(std::string& eps, const Rect& rect) { AppendRect(eps, rect, "QZdrawrect"); }

void EpsSetLineWidth(std::string& eps, double width) { eps += FormatFixed(width, 0) + " setlinewidth\n"; }

namespace {

// Sizes print whole; one that would print below 1 scales the font to nothing and
// stops the interpreter, so the size the canvases draw with is written instead.
std::string EpsFontSize(double size) {
  const std::string whole = FormatFixed(size, 0);
  if (std::strtod(whole.c_str(), nullptr) >= 1) return whole;
  const double drawn = EffectiveFontSize(size);
  if (drawn >= 1) return FormatFixed(drawn, 0);
  std::string fraction = FormatFixed(std::max(drawn, 0.0001), 4);
  while (fraction.ends_with('0')) fraction.pop_back();
  return fraction;
}

}  // namespace

void EpsSetFont(std::string& eps, std::u32string_view fontName, double size) {
  eps += '/' + PostScriptFontName(fontName) + ' ' + EpsFontSize(size) + " QZsetfont\n";
}

std::string EpsStringBody(std::u32string_view text) {
  std::string body;
  body.reserve(text.size());
  for (const char32_t c : text) {
    if (c == U'(' || c == U')' || c == U'\\') {
      body += '\\';
      body += char(c);
    } else if (c < 0x20 || c == 0x7F) {
      AppendOctal(body, unsigned(c));
    } else {
      AppendUtf8(body, c);
    }
  }
  return body;
}

void EpsDrawChar(std::string& eps, int x, int y, std::u32string_view text) {
  eps += FormatInt(x) + ' ' + FormatInt(y) + " (" + EpsStringBody(text) + ") QZdrawchar\n";
}

void EpsDrawCentredText(std::string& eps, std::string_view x, std::string_view y, std::u32string_view text) {
  eps += "newpath\n" + std::string(x) + ' ' + std::string(y) + " moveto\n(" + EpsStringBody(text) +
         ") dup stringwidth pop -2 div 0 rmoveto show\n";
}

void EpsEndDocument(std::string& eps) {
  eps += "grestore\n%%EOF\n";
  ReplacePair(eps, "  ", ' ');
  ReplacePair(eps, "\n ", '\n');
  ReplacePair(eps, " \n", '\n');
}

}  // namespace kbc
