// One request's drawing, laid out once by its symbology's renderer: the size
// of the symbol and its marks in drawing order, in units, y upwards from the
// symbol's lower left corner, margins not included. The EPS and SVG documents,
// the raster canvas and PDF pages each walk it (render/draw_list_targets.h).
#pragma once

#include <string>
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
  // One line of text with its baseline origin at whole units.
  struct Text {
    int x = 0;
    int y = 0;
    std::u32string text;
  };
  using Mark = std::variant<Bar, Bearer, TextSize, Text>;

  double width = 0;
  double height = 0;
  std::vector<Mark> marks;
};

}  // namespace kbc
