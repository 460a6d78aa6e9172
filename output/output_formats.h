// The output actions, one row each: everything the rest of the program needs
// to know about a format beyond the code that draws it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/result.h"
#include "core/settings.h"
#include "core/types.h"
#include "dispatch/data_check.h"

namespace kbc {

struct OutputFormat {
  std::string_view word;  // the -action word
  OutputAction action;
  // The file of a request that can be drawn; `path` serves only as a title.
  // None for the actions that make no file: the clipboard, and those that print.
  Result<std::string> (*render)(const BarcodeSettings& settings, const CheckedSymbol& checked, std::string_view path);
  // What an action that makes no file prints on standard output instead, one
  // line per request: the request, its warnings and, when it is refused, why.
  // `bitmapSides`: under -dpi, the bitmap the bitmap actions would draw.
  std::string (*print)(const BarcodeSettings& settings, const DataCheck& check,
                       std::optional<std::pair<int, int>> bitmapSides, std::span<const std::string> warnings,
                       std::string_view refusal) = nullptr;
  // The file left in place of data that cannot be drawn; none where nothing is written then.
  Result<std::string> (*placeholder)(const BarcodeSettings& settings) = nullptr;
  // How the "CMYK converted to RGB" warning names the output; empty when it keeps CMYK.
  std::string_view rgbOnlyName = {};
  // Whether fully transparent bars disappear: EPS has no alpha, and SVG draws its bars opaque.
  bool barsTakeAlpha = false;
  bool bitmap = false;  // drawn pixel by pixel, so its size is budgeted
  std::uint32_t fileType = 0;  // the HFS codes a written file carries
  std::uint32_t creator = 0;
  std::string_view extension = {};  // the usual one, without its dot
  std::string_view mediaType = {};  // its Internet media type; empty for the actions that make no file
  // The -dpi it is drawn at when none is given; 0 for one pixel per point.
  int defaultDpi = 0;
};

// Every action, by word in alphabetical order.
std::span<const OutputFormat> OutputFormats();

// The row of an action; none for OutputAction::None.
const OutputFormat* OutputFormatOf(OutputAction action);

}  // namespace kbc
