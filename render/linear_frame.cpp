#include "render/linear_frame.h"

#include "core/symbology.h"
#include "render/eps_document.h"
#include "render/number_format.h"
#include "render/svg_document.h"

namespace kbc {
namespace {

// Whole numbers as integers, anything else to four places.
std::string Number(double value) { return FormatFixed(value, value == double(long(value)) ? 0 : 4); }

// The drawing turned onto its page. EPS has y upwards, where a positive angle
// turns anticlockwise; SVG has y downwards, where it turns clockwise.
void TurnEps(std::string& eps, int quarterTurns, const Rect& image) {
  const PageTurn turn = PageTurnFor(quarterTurns, image.width, image.height);
  eps += Number(turn.tx) + ' ' + Number(turn.ty) + " translate\n" + FormatInt(90L * turn.anticlockwise) + " rotate\n";
}

void TurnSvg(std::string& svg, int quarterTurns, const Rect& image) {
  const double w = image.width;
  const double h = image.height;
  const Point shift = quarterTurns == 1 ? Point{h, 0} : quarterTurns == 2 ? Point{w, h} : Point{0, w};
  svg += "<g transform=\"translate(" + Number(shift.x) + ',' + Number(shift.y) + ") rotate(" +
         FormatInt(90L * quarterTurns) + ")\">\n";
}

// Margins on the left, top or bottom move the drawing; one on the right only widens the image.
bool MovesDrawing(const SideMargins& m) { return m.left > 0 || m.top > 0 || m.bottom > 0; }

}  // namespace

LinearFrame BeginLinearFrame(DrawingTarget* target, const BarcodeSettings& settings, double width, double height) {
  // Margins widen the image on each side; the drawing moves in by them, and
  // the background, when filled, covers them too. Drawing is y-up on the
  // target and in EPS, y-down in SVG.
  const SideMargins m = MarginsFor(settings);
  const bool moved = MovesDrawing(m);
  const Rect image{0, 0, width + m.left + m.right, height + m.top + m.bottom};
  if (target != nullptr) {
    const Colour background = ColourFromComponents(settings.colourMode, settings.background);
    const Colour foreground = ColourFromComponents(settings.colourMode, settings.foreground);
    target->SetFillColour(background);
    target->SetStrokeColour(background);
    if (moved) target->Translate(m.left, m.bottom);
    if (settings.opaqueBackground != 0) {
      target->FillRect(Rect{-double(m.left), -double(m.bottom), image.width, image.height});
    }
    target->SetFillColour(foreground);
    target->SetStrokeColour(foreground);
    target->SetFontSmoothing(settings.fontSmoothOff == 0);
    target->SetAntialias(settings.antialiasOff == 0);
  }
  // A drawing target is turned by its writer; the documents turn here, inside
  // their scale and outside the margins.
  const int turns = settings.quarterTurns;
  if (settings.epsText != nullptr) {
    EpsBeginDocument(*settings.epsText, Turned(image, turns), settings);
    if (turns != 0) TurnEps(*settings.epsText, turns, image);
    if (moved) *settings.epsText += FormatInt(m.left) + ' ' + FormatInt(m.bottom) + " translate\n";
  }
  if (settings.svgText != nullptr) {
    SvgBeginDocument(*settings.svgText, Turned(image, turns), settings);
    if (turns != 0) TurnSvg(*settings.svgText, turns, image);
    if (moved) *settings.svgText += "<g transform=\"translate(" + FormatInt(m.left) + ',' + FormatInt(m.top) + ")\">\n";
  }
  return LinearFrame{target, &settings, width, height, settings.fontSize};
}

void EndLinearFrame(const LinearFrame& frame) {
  if (frame.target != nullptr) {
    frame.target->SetAntialias(true);
    frame.target->SetFontSmoothing(true);
  }
  if (frame.settings->epsText != nullptr) EpsEndDocument(*frame.settings->epsText);
  if (frame.settings->svgText != nullptr) {
    if (MovesDrawing(MarginsFor(*frame.settings))) *frame.settings->svgText += "</g>\n";
    if (frame.settings->quarterTurns != 0) *frame.settings->svgText += "</g>\n";
    SvgEndDocument(*frame.settings->svgText);
  }
}

void FillBar(const LinearFrame& frame, const Rect& bar) {
  if (frame.target != nullptr) frame.target->FillRect(bar);
  if (frame.settings->epsText != nullptr) EpsFillRect(*frame.settings->epsText, bar);
  if (frame.settings->svgText != nullptr) SvgFillRect(*frame.settings->svgText, bar, frame.height);
}

void StrokeBearerRect(const LinearFrame& frame, const Rect& bearer) {
  constexpr double kBearerLineWidth = 10;
  if (frame.target != nullptr) {
    frame.target->SetLineWidth(kBearerLineWidth);
    frame.target->StrokeRect(bearer);
    frame.target->SetLineWidth(1);
  }
  if (frame.settings->epsText != nullptr) {
    std::string& eps = *frame.settings->epsText;
    EpsSetLineWidth(eps, kBearerLineWidth);
    EpsStrokeRect(eps, bearer);
    EpsSetLineWidth(eps, 1);
  }
  // Flipping y inside the image moves the rectangle's bottom from y to
  // height - y - h.
  if (frame.settings->svgText != nullptr) {
    SvgStrokeRect(*frame.settings->svgText, bearer, 0, frame.height - 2 * bearer.y - bearer.height);
  }
}

double FillModuleRuns(const LinearFrame& frame, double x, std::span<const PatternSpan> patterns) {
  for (const PatternSpan& span : patterns) {
    const std::size_t length = span.pattern.size();
    for (std::size_t i = 0; i < length;) {
      if (span.pattern[i] != '1') {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < length && span.pattern[end] == '1') ++end;
      FillBar(frame, Rect{x + double(i), span.bottom, double(end - i), span.top - span.bottom});
      i = end;
    }
    x += double(length);
  }
  return x;
}

void AppendPattern(ElementWidths& elements, std::string_view widthDigits) {
  for (const char digit : widthDigits) elements.push_back(std::uint8_t(digit - '0'));
}

int ModuleCount(std::span<const std::uint8_t> elements) {
  int modules = 0;
  for (const std::uint8_t width : elements) modules += width;
  return modules;
}

double FillElements(const LinearFrame& frame, double x, std::span<const std::uint8_t> elements, double bottom,
                    double top, FirstElement first) {
  bool bar = first == FirstElement::Bar;
  for (const std::uint8_t width : elements) {
    if (bar) FillBar(frame, Rect{x, bottom, double(width), top - bottom});
    x += width;
    bar = !bar;
  }
  return x;
}

double FillSpacedBars(const LinearFrame& frame, double x, double barWidth, double pitch,
                      std::span<const BarExtent> bars) {
  for (const BarExtent& bar : bars) {
    FillBar(frame, Rect{x, bar.bottom, barWidth, bar.top - bar.bottom});
    x += pitch;
  }
  return x;
}

TextRoomLayout LayoutWithTextRoom(SymbologyType symbology, const BarcodeSettings& settings, double textRoom) {
  if (settings.showText == 1) return {double(ImageHeight(symbology, settings.trim)), textRoom};
  const HeightRule rule = HeightRuleFor(symbology);
  return {double(CappedHeight(rule.baseHeight - textRoom, rule.trimCap, settings.trim)), 0};
}

void BeginTextGroup(LinearFrame& frame, double fontSize) {
  frame.groupFontSize = fontSize;
  if (frame.settings->epsText != nullptr) EpsSetFont(*frame.settings->epsText, frame.settings->fontName, fontSize);
}

void DrawTextItem(const LinearFrame& frame, int x, int y, std::u32string_view text) {
  const BarcodeSettings& s = *frame.settings;
  if (frame.target != nullptr) frame.target->DrawText(text, Point{double(x), double(y)}, s.fontName, frame.groupFontSize);
  if (s.epsText != nullptr) EpsDrawChar(*s.epsText, x, y, text);
  // SVG y points down; every SVG text element carries the full font size.
  if (s.svgText != nullptr) SvgDrawText(*s.svgText, x, int(frame.height - y), text, s.fontName, s.fontSize);
}

void DrawSpacedCharacters(const LinearFrame& frame, std::u32string_view text, int firstX, int pitch, int baseline) {
  for (std::size_t i = 0; i < text.size(); ++i) DrawTextItem(frame, firstX + pitch * int(i), baseline, text.substr(i, 1));
}

}  // namespace kbc
