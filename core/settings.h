// The one request record carried through every stage of a run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/length.h"
#include "core/types.h"

namespace kbc {

// Colour components by colour mode: grey uses 1 (grey, 0 black) and 2 (alpha);
// RGB 1-3 and 4 (alpha); CMYK 1-4 and 5 (alpha). Index 0 holds component 1.
using ColourComponents = std::array<double, 5>;

enum ColourModeCode : std::uint32_t { kColourGrey = 0, kColourRgb = 1, kColourCmyk = 2 };

// The drawing fitted to a printer, in units of the layout.
struct PrintGeometry {
  bool wholeDots = false;  // a bitmap at -dpi: every module a whole number of pixels
  bool physical = false;   // sized in real units: SVG states them
  double barHeight = 0;    // of the bars without their text; 0 keeps the symbology's own
  double barReduction = 0;   // taken from the width of every dark element
  double reductionShift = 0;  // of which from its left edge
};

// Copied by value into every stage.
struct BarcodeSettings {
  std::u32string data;
  // The data was typed as UTF-8: the symbologies that take the argument's own
  // bytes get them back from it.
  bool dataUtf8 = false;
  std::u32string addon;
  std::u32string displayText;
  std::u32string fontName = U"Monaco";
  double fontSize = 10.0;
  SymbologyType symbology = 1;
  double scale = 100.0;
  double trim = 0.0;
  std::uint32_t colourMode = kColourRgb;
  ColourComponents foreground{0, 0, 0, 1, 0};
  ColourComponents background{1, 1, 1, 1, 0};
  std::int32_t opaqueBackground = 0;
  std::int16_t antialiasOff = 0;
  std::int16_t fontSmoothOff = 0;
  std::int16_t showText = 0;
  // -showtext 0: no human-readable text on any target.
  std::int16_t textOff = 0;
  // -margin: units of background added on every side of the drawing (0..1000).
  std::int32_t margin = 0;
  // -rotate: the image turned clockwise by this many quarter turns (0..3).
  std::int16_t quarterTurns = 0;
  // -quietzones 1: each symbology's standard quiet zone where its drawing lacks it.
  std::int16_t quietZones = 0;
  // Bitmap resolution from -dpi (72..2400): the image is drawn that many pixels
  // per inch and the file records it. 0: one pixel per point, nothing recorded.
  std::int32_t dpi = 0;
  // -gs1 1: EAN-128, Databar-Expanded, QRCode and DataMatrix data is a GS1
  // element string with its AIs in brackets, checked and encoded as GS1 reads it.
  std::int16_t gs1 = 0;
  // -strict 1: a request that would be drawn with a warning is refused
  // instead, so that an unattended run never writes what was not asked for.
  std::int16_t strict = 0;
  // -xdim, -height, -bwr: the module width, the bar height and the bar width
  // reduction as a label is specified.
  Length xdim;
  Length barHeight;
  Length barReduction;
  // What those and -dpi make of the drawing, worked out as the request is shaped.
  PrintGeometry geometry;
};

// The defaults of a new request.
BarcodeSettings InitSettings();

// What shaping removed from the data that the symbol will not show: characters
// that carry data. White space and separators (spaces and hyphens) are not
// counted.
struct ShapingReport {
  std::u32string dropped;  // removed by the symbology's character filter
  std::u32string cutOff;   // removed by the cut at a space or at the length limit
  // The add-on's losses alike; `addOnUnused` is a whole add-on given to a
  // symbology that takes none.
  std::u32string addOnUnused;
  std::u32string addOnDropped;
  std::u32string addOnCutOff;
};

// Cuts and filters data and addon in place to what the symbology takes (its
// row's data shape); nothing for codes outside 1..43. Reports what the data lost.
ShapingReport ShapeDataForType(BarcodeSettings& settings);

}  // namespace kbc
