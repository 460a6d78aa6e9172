#include "output/zpl_writer.h"

#include <algorithm>
#include <cmath>

#include "core/symbology.h"
#include "image_encoders/zpl_graphic.h"
#include "output/bitmap_writers.h"

namespace kbc {
namespace {

// ^PW, ^LL and ^FO take at most this many dots.
constexpr int kMostDots = 32000;

// A thermal printer prints one colour: the label is drawn black on white in
// grey, and a pixel prints when it is darker than half (antialiased text
// edges, whatever -colmode and the colours ask for).
constexpr std::uint8_t kPrintsBelow = 128;

BarcodeSettings BlackOnWhite(const BarcodeSettings& settings) {
  BarcodeSettings label = settings;
  label.colourMode = kColourGrey;
  label.foreground = {0, 1, 0, 0, 0};
  label.background = {1, 1, 0, 0, 0};
  return label;
}

// The margins in whole dots on each side of the turned image.
SideMargins TurnedDotMargins(const BarcodeSettings& settings) {
  const SideMargins units = MarginsFor(settings);
  const double dotsPerUnit = settings.scale / 100 * settings.dpi / 72.0;
  const auto dots = [&](int side) { return int(std::floor(side * dotsPerUnit + 1e-9)); };
  SideMargins m{dots(units.left), dots(units.right), dots(units.top), dots(units.bottom)};
  // A clockwise quarter turn brings the bottom to the left, the left to the top.
  for (int turn = 0; turn < settings.quarterTurns; ++turn) m = {m.bottom, m.top, m.left, m.right};
  return m;
}

// Whole pixels: columns [left, right) of rows [top, bottom).
struct DotBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

bool Prints(const BitmapView& bitmap, int x, int row) {
  return bitmap.pixels[std::size_t(row) * std::size_t(bitmap.width) + std::size_t(x)] < kPrintsBelow;
}

// The part of the image the graphic holds: all but the margins, each cut back
// where something would print in it (an antialiased edge), so that the label
// prints exactly the image.
DotBox GraphicBox(const BitmapView& bitmap, const SideMargins& m) {
  const auto clearRows = [&](int from, int step, int most) {
    int count = 0;
    for (int row = from; count < most; row += step, ++count) {
      for (int x = 0; x < bitmap.width; ++x) {
        if (Prints(bitmap, x, row)) return count;
      }
    }
    return count;
  };
  const auto clearColumns = [&](int from, int step, int most) {
    int count = 0;
    for (int x = from; count < most; x += step, ++count) {
      for (int row = 0; row < bitmap.height; ++row) {
        if (Prints(bitmap, x, row)) return count;
      }
    }
    return count;
  };
  const int top = clearRows(0, 1, std::min(m.top, bitmap.height - 1));
  const int bottom = clearRows(bitmap.height - 1, -1, std::min(m.bottom, bitmap.height - 1 - top));
  const int left = clearColumns(0, 1, std::min(m.left, bitmap.width - 1));
  const int right = clearColumns(bitmap.width - 1, -1, std::min(m.right, bitmap.width - 1 - left));
  return {left, top, bitmap.width - right, bitmap.height - bottom};
}

PackedDots Pack(const BitmapView& bitmap, const DotBox& box) {
  PackedDots dots;
  const int wide = box.right - box.left;
  dots.bytesPerRow = (wide + 7) / 8;
  dots.rows = box.bottom - box.top;
  dots.bytes.assign(std::size_t(dots.bytesPerRow) * std::size_t(dots.rows), 0);
  for (int row = 0; row < dots.rows; ++row) {
    std::uint8_t* out = dots.bytes.data() + std::size_t(row) * std::size_t(dots.bytesPerRow);
    for (int x = 0; x < wide; ++x) {
      if (Prints(bitmap, box.left + x, box.top + row)) out[x / 8] |= std::uint8_t(0x80 >> (x % 8));
    }
  }
  return dots;
}

Result<std::string> Label(const BitmapView& bitmap, const BarcodeSettings& settings) {
  if (bitmap.width > kMostDots || bitmap.height > kMostDots) {
    return Refusal("the label would be " + std::to_string(bitmap.width) + " x " + std::to_string(bitmap.height) +
                   " dots; ZPL takes at most " + std::to_string(kMostDots) + " a side");
  }
  const DotBox box = GraphicBox(bitmap, TurnedDotMargins(settings));
  Result<std::string> graphic =
      GraphicField(Pack(bitmap, box), settings.zplHex != 0 ? GraphicEncoding::Hex : GraphicEncoding::Z64);
  if (!graphic) return graphic;
  std::string label = "^XA^PW" + std::to_string(bitmap.width) + "^LL" + std::to_string(bitmap.height) + "^FO" +
                      std::to_string(box.left) + "," + std::to_string(box.top) + *graphic + "^FS";
  if (settings.copies > 0) label += "^PQ" + std::to_string(settings.copies);
  return label + "^XZ\n";
}

}  // namespace

std::optional<std::string> ZplDpiRefusal(const BarcodeSettings& settings) {
  const int dpi = settings.dpi;
  if (dpi == 0 || dpi == 203 || dpi == 300 || dpi == 600) return std::nullopt;
  return "-dpi " + std::to_string(dpi) +
         " is no label printer's resolution: -action zplf takes 203, 300 or 600 (8, 12 or 24 dots per mm)";
}

Result<std::string> RenderZplBytes(const BarcodeSettings& settings, const CheckedSymbol& checked) {
  if (std::optional<std::string> refusal = ZplDpiRefusal(settings)) return Refusal(std::move(*refusal));
  BarcodeSettings label = BlackOnWhite(settings);
  if (label.dpi == 0) label.dpi = kZplDefaultDpi;
  return RenderBitmapWith(label, checked, PixelFormat::Grey,
                          [&](const BitmapView& bitmap) { return Label(bitmap, label); });
}

}  // namespace kbc
