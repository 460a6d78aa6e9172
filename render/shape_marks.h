// The shapes beyond rectangles, as EPS and SVG text: MaxiCode's hexagons and
// finder rings, DotCode's dots. Unlike the rectangles of the other symbols,
// whose edges fall on whole units, their corners and radii keep four decimals.
#pragma once

#include <span>
#include <string>

#include "core/types.h"

namespace kbc {

// A number as the shapes write it: whole when it is whole, else to four places.
std::string ShapeNumber(double value);

// A filled convex polygon, corners in order.
void EpsFillPolygon(std::string& eps, std::span<const Point> corners);
// A disc less its concentric hole (hole 0: none): the inner circle runs the
// other way round, so the non-zero rule leaves it unfilled.
void EpsFillRing(std::string& eps, Point centre, double radius, double hole);

// The same in SVG, y flipped inside the image height.
void SvgFillPolygon(std::string& svg, std::span<const Point> corners, double imageHeight);
void SvgFillRing(std::string& svg, Point centre, double radius, double hole, double imageHeight);

}  // namespace kbc
