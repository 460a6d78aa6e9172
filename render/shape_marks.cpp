#include "render/shape_marks.h"

#include "render/number_format.h"

namespace kbc {

std::string ShapeNumber(double value) { return FormatFixed(value, value == double(long(value)) ? 0 : 4); }

void EpsFillPolygon(std::string& eps, std::span<const Point> corners) {
  if (corners.empty()) return;
  eps += "newpath\n";
  const char* verb = " moveto\n";
  for (const Point& p : corners) {
    eps += ShapeNumber(p.x) + ' ' + ShapeNumber(p.y) + verb;
    verb = " lineto\n";
  }
  eps += "closepath fill\n";
}

void EpsFillRing(std::string& eps, Point centre, double radius, double hole) {
  const std::string cx = ShapeNumber(centre.x);
  const std::string cy = ShapeNumber(centre.y);
  eps += "newpath\n" + ShapeNumber(centre.x + radius) + ' ' + cy + " moveto\n" + cx + ' ' + cy + ' ' +
         ShapeNumber(radius) + " 0 360 arc closepath\n";
  if (hole > 0) {
    eps += ShapeNumber(centre.x + hole) + ' ' + cy + " moveto\n" + cx + ' ' + cy + ' ' + ShapeNumber(hole) +
           " 360 0 arcn closepath\n";
  }
  eps += "fill\n";
}

void SvgFillPolygon(std::string& svg, std::span<const Point> corners, double imageHeight) {
  if (corners.empty()) return;
  svg += "<path stroke=\"none\" d=\"M";
  for (const Point& p : corners) svg += ' ' + ShapeNumber(p.x) + ' ' + ShapeNumber(imageHeight - p.y) + " L";
  svg.resize(svg.size() - 1);
  svg += "Z\"></path>\n";
}

namespace {

// A whole circle as two half arcs, starting and ending on its right.
std::string CirclePath(double cx, double cy, double r, const char* sweep) {
  const std::string radii = ShapeNumber(r) + ' ' + ShapeNumber(r);
  const std::string y = ShapeNumber(cy);
  return "M " + ShapeNumber(cx + r) + ' ' + y + " A " + radii + " 0 1 " + sweep + ' ' + ShapeNumber(cx - r) + ' ' +
         y + " A " + radii + " 0 1 " + sweep + ' ' + ShapeNumber(cx + r) + ' ' + y + " Z";
}

}  // namespace

void SvgFillRing(std::string& svg, Point centre, double radius, double hole, double imageHeight) {
  const double cy = imageHeight - centre.y;
  if (!(hole > 0)) {
    svg += "<circle stroke=\"none\" cx=\"" + ShapeNumber(centre.x) + "\" cy=\"" + ShapeNumber(cy) + "\" r=\"" +
           ShapeNumber(radius) + "\"></circle>\n";
    return;
  }
  svg += "<path stroke=\"none\" fill-rule=\"evenodd\" d=\"" + CirclePath(centre.x, cy, radius, "0") + ' ' +
         CirclePath(centre.x, cy, hole, "1") + "\"></path>\n";
}

}  // namespace kbc
