#include "render/bar_geometry.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace kbc {
namespace {

struct Span {
  double bottom = 0;
  double top = 0;
};

// Where the bars' own height lies.
Span BarSpan(const DrawList& list) {
  std::map<double, std::size_t> bottoms;
  Span span{INFINITY, -INFINITY};
  for (const DrawList::Mark& mark : list.marks) {
    const auto* bar = std::get_if<DrawList::Bar>(&mark);
    if (bar == nullptr) continue;
    ++bottoms[bar->rect.y];
    span.bottom = std::min(span.bottom, bar->rect.y);
    span.top = std::max(span.top, bar->rect.y + bar->rect.height);
  }
  if (bottoms.empty()) return {};
  const bool hasText = std::ranges::any_of(
      list.marks, [](const DrawList::Mark& mark) { return std::holds_alternative<DrawList::Text>(mark); });
  if (hasText) {
    span.bottom = std::ranges::max_element(bottoms, {}, [](const auto& entry) { return entry.second; })->first;
  }
  return span;
}

// y moved as the stretch moves it.
double Moved(double y, const Span& span, double scale) {
  if (y <= span.bottom) return y;
  if (y <= span.top) return span.bottom + (y - span.bottom) * scale;
  return y + (span.top - span.bottom) * (scale - 1);
}

void Stretch(DrawList& list, double barHeight) {
  const Span span = BarSpan(list);
  if (!(span.top > span.bottom)) return;
  const double scale = barHeight / (span.top - span.bottom);
  const auto move = [&](Rect& rect) {
    const double bottom = Moved(rect.y, span, scale);
    rect.height = Moved(rect.y + rect.height, span, scale) - bottom;
    rect.y = bottom;
  };
  for (DrawList::Mark& mark : list.marks) {
    if (auto* bar = std::get_if<DrawList::Bar>(&mark)) move(bar->rect);
    if (auto* bearer = std::get_if<DrawList::Bearer>(&mark)) move(bearer->rect);
    if (auto* text = std::get_if<DrawList::Text>(&mark)) text->y = int(std::lround(Moved(text->y, span, scale)));
  }
  list.height = Moved(list.height, span, scale);
}

// Each module row's dark modules as bars of their own, in their place, for
// the fitting that moves each bar.
void ExpandModuleRows(DrawList& list) {
  if (std::ranges::none_of(list.marks, [](const DrawList::Mark& mark) {
        return std::holds_alternative<DrawList::ModuleRow>(mark);
      })) {
    return;
  }
  std::vector<DrawList::Mark> marks;
  marks.reserve(list.marks.size());
  for (const DrawList::Mark& mark : list.marks) {
    if (const auto* row = std::get_if<DrawList::ModuleRow>(&mark)) {
      ForEachDarkModule(list, *row, [&](const Rect& module) { marks.emplace_back(DrawList::Bar{module}); });
    } else {
      marks.push_back(mark);
    }
  }
  list.marks = std::move(marks);
}

}  // namespace

void FitBars(DrawList& list, const PrintGeometry& geometry) {
  if (!(geometry.barHeight > 0) && !(geometry.barReduction > 0)) return;
  ExpandModuleRows(list);
  if (geometry.barHeight > 0) Stretch(list, geometry.barHeight);
  if (!(geometry.barReduction > 0)) return;
  for (DrawList::Mark& mark : list.marks) {
    if (auto* bar = std::get_if<DrawList::Bar>(&mark)) {
      bar->rect.x += geometry.reductionShift;
      bar->rect.width = std::max(0.0, bar->rect.width - geometry.barReduction);
    }
  }
}

}  // namespace kbc
