#include "render/draw_list_targets.h"

#include <optional>

#include "core/symbology.h"
#include "render/eps_document.h"
#include "render/number_format.h"
#include "render/shape_marks.h"
#include "render/svg_document.h"

namespace kbc {
namespace {

constexpr double kBearerLineWidth = 10;

// Whole numbers as integers, anything else to four places.
std::string Number(double value) { return FormatFixed(value, value == double(long(value)) ? 0 : 4); }

// Margins on the left, top or bottom move the drawing; one on the right only widens the image.
bool MovesDrawing(const SideMargins& m) { return m.left > 0 || m.top > 0 || m.bottom > 0; }

// The image: the symbol widened by its margins on each side.
Rect ImageOf(const DrawList& list, const SideMargins& m) {
  return Rect{0, 0, list.width + m.left + m.right, list.height + m.top + m.bottom};
}

// Calls the visitor that takes each mark's kind.
template <typename... Visitors>
struct Visit : Visitors... {
  using Visitors::operator()...;
};
template <typename... Visitors>
Visit(Visitors...) -> Visit<Visitors...>;

}  // namespace

void DrawOnTarget(const DrawList& list, const BarcodeSettings& settings, DrawingTarget& target) {
  // The background, when filled, covers the margins too.
  const SideMargins m = MarginsFor(settings);
  const Rect image = ImageOf(list, m);
  const Colour background = ColourFromComponents(settings.colourMode, settings.background);
  const Colour foreground = ColourFromComponents(settings.colourMode, settings.foreground);
  target.SetFillColour(background);
  target.SetStrokeColour(background);
  if (MovesDrawing(m)) target.Translate(m.left, m.bottom);
  if (settings.opaqueBackground != 0) target.FillRect(Rect{-double(m.left), -double(m.bottom), image.width, image.height});
  target.SetFillColour(foreground);
  target.SetStrokeColour(foreground);
  target.SetFontSmoothing(settings.fontSmoothOff == 0);
  target.SetAntialias(settings.antialiasOff == 0);
  double fontSize = settings.fontSize;
  const Visit draw{
      [&](const DrawList::Bar& bar) { target.FillRect(bar.rect); },
      [&](const DrawList::Bearer& bearer) {
        target.SetLineWidth(kBearerLineWidth);
        target.StrokeRect(bearer.rect);
        target.SetLineWidth(1);
      },
      [&](const DrawList::TextSize& size) { fontSize = size.fontSize; },
      [&](const DrawList::Text& text) {
        target.DrawText(list.TextOf(text), Point{double(text.x), double(text.y)}, settings.fontName, fontSize);
      },
      [&](const DrawList::CentredText& text) {
        const std::u32string_view line = list.TextOf(text);
        const double width = target.MeasureText(line, settings.fontName, text.fontSize).width;
        target.DrawText(line, Point{text.x - width / 2, text.y}, settings.fontName, text.fontSize);
      },
      [&](const DrawList::Hexagon& hexagon) { target.FillPolygon(HexagonCorners(hexagon)); },
      [&](const DrawList::Ring& ring) { target.FillRing(ring.centre, ring.radius, ring.hole); },
      [&](const DrawList::ModuleRow& row) { target.FillModules(list, row); },
  };
  for (const DrawList::Mark& mark : list.marks) {
    // Bars are nearly every mark of a linear symbol.
    if (const auto* bar = std::get_if<DrawList::Bar>(&mark)) {
      target.FillRect(bar->rect);
    } else {
      std::visit(draw, mark);
    }
  }
  target.SetAntialias(true);
  target.SetFontSmoothing(true);
}

void AppendEpsDrawing(const DrawList& list, const BarcodeSettings& settings, std::string& eps) {
  // The document turns inside its scale and outside the margins. EPS has y
  // upwards, where a positive angle turns anticlockwise.
  const SideMargins m = MarginsFor(settings);
  const Rect image = ImageOf(list, m);
  const int turns = settings.quarterTurns;
  EpsBeginDocument(eps, Turned(image, turns), settings);
  if (turns != 0) {
    const PageTurn turn = PageTurnFor(turns, image.width, image.height);
    eps += Number(turn.tx) + ' ' + Number(turn.ty) + " translate\n" + FormatInt(90L * turn.anticlockwise) + " rotate\n";
  }
  if (MovesDrawing(m)) eps += FormatInt(m.left) + ' ' + FormatInt(m.bottom) + " translate\n";
  std::optional<double> groupSize;
  const Visit draw{
      [&](const DrawList::Bar& bar) { EpsFillRect(eps, bar.rect); },
      [&](const DrawList::Bearer& bearer) {
        EpsSetLineWidth(eps, kBearerLineWidth);
        EpsStrokeRect(eps, bearer.rect);
        EpsSetLineWidth(eps, 1);
      },
      [&](const DrawList::TextSize& size) {
        groupSize = size.fontSize;
        EpsSetFont(eps, settings.fontName, size.fontSize);
      },
      [&](const DrawList::Text& text) { EpsDrawChar(eps, text.x, text.y, list.TextOf(text)); },
      // At its own size; the size of a text group before it is set again for the group's later marks.
      [&](const DrawList::CentredText& text) {
        EpsSetFont(eps, settings.fontName, text.fontSize);
        EpsDrawCentredText(eps, Number(text.x), Number(text.y), list.TextOf(text));
        if (groupSize && *groupSize != text.fontSize) EpsSetFont(eps, settings.fontName, *groupSize);
      },
      [&](const DrawList::Hexagon& hexagon) { EpsFillPolygon(eps, HexagonCorners(hexagon)); },
      [&](const DrawList::Ring& ring) { EpsFillRing(eps, ring.centre, ring.radius, ring.hole); },
      [&](const DrawList::ModuleRow& row) {
        ForEachDarkModule(list, row, [&](const Rect& module) { EpsFillRect(eps, module); });
      },
  };
  for (const DrawList::Mark& mark : list.marks) std::visit(draw, mark);
  EpsEndDocument(eps);
}

void AppendSvgDrawing(const DrawList& list, const BarcodeSettings& settings, std::string& svg) {
  // SVG has y downwards, where a positive angle turns clockwise.
  const SideMargins m = MarginsFor(settings);
  const Rect image = ImageOf(list, m);
  const int turns = settings.quarterTurns;
  SvgBeginDocument(svg, Turned(image, turns), settings);
  if (turns != 0) {
    const double w = image.width;
    const double h = image.height;
    const Point shift = turns == 1 ? Point{h, 0} : turns == 2 ? Point{w, h} : Point{0, w};
    svg += "<g transform=\"translate(" + Number(shift.x) + ',' + Number(shift.y) + ") rotate(" +
           FormatInt(90L * turns) + ")\">\n";
  }
  const bool moved = MovesDrawing(m);
  if (moved) svg += "<g transform=\"translate(" + FormatInt(m.left) + ',' + FormatInt(m.top) + ")\">\n";
  const double height = list.height;
  const Visit draw{
      [&](const DrawList::Bar& bar) { SvgFillRect(svg, bar.rect, height); },
      // The path is drawn unflipped and moved to where the flipped rectangle
      // belongs: flipping y moves its bottom from y to height - y - h.
      [&](const DrawList::Bearer& bearer) {
        SvgStrokeRect(svg, bearer.rect, 0, height - 2 * bearer.rect.y - bearer.rect.height);
      },
      [&](const DrawList::TextSize&) {},
      // Every SVG text element carries the request's full font size.
      [&](const DrawList::Text& text) {
        SvgDrawText(svg, text.x, int(height - text.y), list.TextOf(text), settings.fontName, settings.fontSize);
      },
      [&](const DrawList::CentredText& text) {
        SvgDrawCentredText(svg, Number(text.x), Number(height - text.y), list.TextOf(text), settings.fontName,
                           text.fontSize);
      },
      [&](const DrawList::Hexagon& hexagon) { SvgFillPolygon(svg, HexagonCorners(hexagon), height); },
      [&](const DrawList::Ring& ring) { SvgFillRing(svg, ring.centre, ring.radius, ring.hole, height); },
      [&](const DrawList::ModuleRow& row) {
        ForEachDarkModule(list, row, [&](const Rect& module) { SvgFillRect(svg, module, height); });
      },
  };
  for (const DrawList::Mark& mark : list.marks) std::visit(draw, mark);
  if (moved) svg += "</g>\n";
  if (turns != 0) svg += "</g>\n";
  SvgEndDocument(svg);
}

}  // namespace kbc
