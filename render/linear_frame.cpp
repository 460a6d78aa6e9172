#include "render/linear_frame.h"

#include <algorithm>

#include "core/symbology.h"

namespace kbc {

LinearFrame BeginLinearFrame(DrawList& list, const BarcodeSettings& settings, double width, double height) {
  list.width = width;
  list.height = height;
  return LinearFrame{&list, &settings, width, height};
}

void StrokeBearerRect(const LinearFrame& frame, const Rect& bearer) {
  frame.list->marks.emplace_back(DrawList::Bearer{bearer});
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

void BeginTextGroup(const LinearFrame& frame, double fontSize) {
  frame.list->marks.emplace_back(DrawList::TextSize{fontSize});
}

void DrawTextItem(const LinearFrame& frame, int x, int y, std::u32string_view text) {
  DrawList& list = *frame.list;
  list.marks.emplace_back(DrawList::Text{x, y, list.characters.size(), text.size()});
  list.characters += text;
}

void DrawCentredText(const LinearFrame& frame, double x, double y, double fontSize, std::u32string_view text) {
  DrawList& list = *frame.list;
  list.marks.emplace_back(DrawList::CentredText{x, y, fontSize, list.characters.size(), text.size()});
  list.characters += text;
}

double FittingFontSize(double fontSize, double width, std::size_t characters) {
  constexpr double kAdvance = 0.6;
  if (characters == 0) return fontSize;
  return std::min(fontSize, width / (kAdvance * double(characters)));
}

void DrawSpacedCharacters(const LinearFrame& frame, std::u32string_view text, int firstX, int pitch, int baseline) {
  for (std::size_t i = 0; i < text.size(); ++i) DrawTextItem(frame, firstX + pitch * int(i), baseline, text.substr(i, 1));
}

}  // namespace kbc
