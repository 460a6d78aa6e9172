// Small value types shared by every subsystem.
#pragma once

#include <array>
#include <cstdint>

namespace kbc {

// Symbology code 1..43 (named in core/symbology.h); 0 means none.
using SymbologyType = std::uint32_t;

// Four-character codes of the output actions, as 32-bit big-endian numbers.
constexpr std::uint32_t FourCharCode(const char (&code)[5]) {
  return (std::uint32_t(std::uint8_t(code[0])) << 24) | (std::uint32_t(std::uint8_t(code[1])) << 16) |
         (std::uint32_t(std::uint8_t(code[2])) << 8) | std::uint32_t(std::uint8_t(code[3]));
}

enum class OutputAction : std::uint32_t {
  None = 0,
  Clipboard = FourCharCode("CLIP"),
  Eps = FourCharCode("FEPS"),
  Jpeg = FourCharCode("FJPG"),
  Pdf = FourCharCode("FPDF"),
  Png = FourCharCode("FPNG"),
  Svg = FourCharCode("FSVG"),
  Tiff = FourCharCode("FTIF"),
  Zpl = FourCharCode("FZPL"),
  Info = FourCharCode("INFO"),  // prints what would be drawn; no file
};

struct Point {
  double x = 0;
  double y = 0;
};

// Origin lower left, y upwards, in units (one point at scale 100).
struct Rect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

// An image as it lies after `quarterTurns` clockwise quarter turns: an odd
// number swaps its sides.
constexpr Rect Turned(const Rect& image, int quarterTurns) {
  return quarterTurns % 2 == 0 ? image : Rect{image.x, image.y, image.height, image.width};
}

// The turn of a width × height drawing onto its turned page, in a y-up space
// (EPS, PDF): translate by (tx, ty), then rotate by that many quarter turns
// anticlockwise.
struct PageTurn {
  double tx = 0;
  double ty = 0;
  int anticlockwise = 0;
};

constexpr PageTurn PageTurnFor(int quarterTurns, double width, double height) {
  switch (quarterTurns) {
    case 1:
      return {0, width, -1};
    case 2:
      return {width, height, 2};
    case 3:
      return {height, 0, 1};
    default:
      return {};
  }
}

enum class ColourSpace : std::uint8_t { Grey, Rgb, Cmyk };

// A device colour with alpha. Grey uses c[0] (0 black, 1 white); RGB c[0..2];
// CMYK c[0..3]; unused components are 0.
struct Colour {
  ColourSpace space = ColourSpace::Grey;
  std::array<double, 4> c{};
  double alpha = 1;
};

// Typographic width and the line height (ascent + descent + leading) of a text line.
struct TextMetrics {
  double width = 0;
  double height = 0;
};

}  // namespace kbc
