// One request's drawing, laid out once by its symbology's renderer: the size
// of the symbol and its marks in drawing order, in units, y upwards from the
// symbol's lower left corner, margins not included. The EPS and SVG documents,
// the raster canvas and PDF pages each walk it (render/draw_list_targets.h).
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/types.h"

namespace kbc {

struct DrawList {
  // A filled rectangle: a bar or a module.
  struct Bar {
    Rect rect;
  };
  // A rectangle outlined by a line 10 units wide centred on its edges.
  struct Bearer {
    Rect rect;
  };
  // The text after it is drawn at this size; SVG text keeps the request's size.
  struct TextSize {
    double fontSize = 0;
  };
  // One line of text with its baseline origin at whole units; its characters
  // are `length` of `characters` from `start`, so that a mark is a plain
  // value, copied as bytes when the list grows.
  struct Text {
    int x = 0;
    int y = 0;
    std::size_t start = 0;
    std::size_t length = 0;
  };
  // One line of text centred on x, at its own size: the GS1 human-readable
  // line, set under the whole symbol rather than under its characters.
  struct CentredText {
    double x = 0;
    double y = 0;
    double fontSize = 0;
    std::size_t start = 0;
    std::size_t length = 0;
  };
  // A filled regular hexagon standing on a corner (two sides upright):
  // MaxiCode's module. `radius` is from the centre to each corner.
  struct Hexagon {
    Point centre;
    double radius = 0;
  };
  // A filled circle less the circle of `hole` radius about the same centre:
  // a ring of MaxiCode's finder, or a dot (hole 0) of DotCode.
  struct Ring {
    Point centre;
    double radius = 0;
    double hole = 0;
  };
  // One row of a module grid: `columns` modules from x 0, `length` of
  // `modules` from `start`, '1' dark. Each dark module is the rectangle
  // ModuleRect gives: a bar of its own to every target, and a raster may fill
  // a run of them at once where that leaves the same pixels.
  struct ModuleRow {
    double bottom = 0;
    double height = 0;
    double moduleWidth = 0;
    std::size_t start = 0;
    std::size_t length = 0;
  };
  using Mark = std::variant<Bar, Bearer, TextSize, Text, CentredText, Hexagon, Ring, ModuleRow>;

  double width = 0;
  double height = 0;
  std::vector<Mark> marks;
  std::u32string characters;  // of every text mark, one after another
  std::string modules;        // of every module row, one after another

  template <typename TextMark>
  std::u32string_view TextOf(const TextMark& text) const {
    return std::u32string_view(characters).substr(text.start, text.length);
  }
  std::string_view ModulesOf(const ModuleRow& row) const {
    return std::string_view(modules).substr(row.start, row.length);
  }
};

// The rectangle of the row's module at column x.
inline Rect ModuleRect(const DrawList::ModuleRow& row, std::size_t x) {
  return Rect{double(x) * row.moduleWidth, row.bottom, row.moduleWidth, row.height};
}

// Calls `fill` with the rectangle of each dark module of the row, from the left.
template <typename Fill>
void ForEachDarkModule(const DrawList& list, const DrawList::ModuleRow& row, Fill fill) {
  const std::string_view modules = list.ModulesOf(row);
  for (std::size_t x = 0; x < modules.size(); ++x) {
    if (modules[x] == '1') fill(ModuleRect(row, x));
  }
}

// The hexagon's corners anticlockwise from its top one.
inline std::array<Point, 6> HexagonCorners(const DrawList::Hexagon& hexagon) {
  const double half = hexagon.radius / 2;
  const double across = hexagon.radius * std::sqrt(3.0) / 2;  // centre to each upright side
  const Point c = hexagon.centre;
  return {Point{c.x, c.y + hexagon.radius}, Point{c.x - across, c.y + half}, Point{c.x - across, c.y - half},
          Point{c.x, c.y - hexagon.radius}, Point{c.x + across, c.y - half}, Point{c.x + across, c.y + half}};
}

}  // namespace kbc
