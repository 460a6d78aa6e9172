// The routine shape shared by every renderer: the symbol's size, its bars and
// its text items laid out into the request's draw list, which every target
// then walks (render/draw_list_targets.h).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/draw_list.h"
#include "core/settings.h"
#include "core/types.h"

namespace kbc {

// A ModulePattern: one character per module, '1' dark, anything else light.
using ModulePattern = std::string_view;

struct LinearFrame {
  DrawList* list = nullptr;
  const BarcodeSettings* settings = nullptr;
  double width = 0;   // image width W in units
  double height = 0;  // image height H in units
};

// Starts the list of a symbol of this size (margins not included).
LinearFrame BeginLinearFrame(DrawList& list, const BarcodeSettings& settings, double width, double height);

// One bar rectangle. Inline: a 2-D symbol lays out thousands.
inline void FillBar(const LinearFrame& frame, const Rect& bar) { frame.list->marks.emplace_back(DrawList::Bar{bar}); }

// A bearer rectangle outlined with a line 10 units wide, centred on its edges.
void StrokeBearerRect(const LinearFrame& frame, const Rect& bearer);

// One pattern of a run of patterns, with the bottom and top of its bars.
struct PatternSpan {
  ModulePattern pattern;
  double bottom = 0;
  double top = 0;
};

// Draws the patterns from x, one module per character; every maximal run of '1'
// inside one pattern is one bar (a run never continues into the next pattern).
// Returns the x after the last module.
double FillModuleRuns(const LinearFrame& frame, double x, std::span<const PatternSpan> patterns);

// Bar and space widths in modules, alternating. Every 1-D encoder that is not
// drawn from module strings produces this form.
using ElementWidths = std::vector<std::uint8_t>;

// Appends a table pattern written as width digits ('1'..'9'), such as Code 128's "212222".
void AppendPattern(ElementWidths& elements, std::string_view widthDigits);

// The sum of the widths: the modules the elements take.
int ModuleCount(std::span<const std::uint8_t> elements);

enum class FirstElement : bool { Bar, Space };

// Draws the elements from x, every bar one rectangle from bottom to top, the
// first element a bar unless told otherwise; returns the x after the last one.
double FillElements(const LinearFrame& frame, double x, std::span<const std::uint8_t> elements, double bottom,
                    double top, FirstElement first = FirstElement::Bar);

// The vertical extent of one bar of a symbol whose bars differ in height (the
// four-state postal codes: tracker, ascender, descender, full).
struct BarExtent {
  double bottom = 0;
  double top = 0;
};

// Draws bars of one width at a fixed pitch from x, each with its own extent;
// returns the x after the last pitch.
double FillSpacedBars(const LinearFrame& frame, double x, double barWidth, double pitch,
                      std::span<const BarExtent> bars);

// The height of a symbol that prints its text below the bars, and where its bars
// start: drawn without its text, it is `textRoom` units lower and its bars start at 0.
struct TextRoomLayout {
  double height = 0;
  double barBottom = 0;
};
TextRoomLayout LayoutWithTextRoom(SymbologyType symbology, const BarcodeSettings& settings, double textRoom);

// Starts a group of text items drawn at one font size (a TextSize mark).
void BeginTextGroup(const LinearFrame& frame, double fontSize);

// One text item with its baseline at whole-number (x, y).
void DrawTextItem(const LinearFrame& frame, int x, int y, std::u32string_view text);

// One line centred on x with its baseline at y, at its own font size.
void DrawCentredText(const LinearFrame& frame, double x, double y, double fontSize, std::u32string_view text);

// The size at which a line of `characters` fits `width` units, at most
// `fontSize`: an advance of 0.6 em a character, as a monospaced face has.
double FittingFontSize(double fontSize, double width, std::size_t characters);

// One text item per character, the first at firstX and each next pitch further.
void DrawSpacedCharacters(const LinearFrame& frame, std::u32string_view text, int firstX, int pitch, int baseline);

}  // namespace kbc
