// The output actions, one row each: everything the rest of the program needs
// to know about a format beyond the code that draws it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "output/file_bytes.h"

namespace kbc {

struct OutputFormat {
  std::string_view word;  // the -action word
  OutputAction action;
  // The file at the command line's fallback size 0 × 0; `path` serves only as
  // a title. None for the clipboard, which makes no file.
  FileRendering (*render)(const BarcodeSettings& settings, const DataCheck& check, std::string_view path);
  // How the "CMYK converted to RGB" warning names the output; empty when it keeps CMYK.
  std::string_view rgbOnlyName = {};
  // Whether fully transparent bars disappear: EPS has no alpha, and SVG draws its bars opaque.
  bool barsTakeAlpha = false;
  bool bitmap = false;  // drawn pixel by pixel, so its size is budgeted
  std::uint32_t fileType = 0;  // the HFS codes a written file carries
  std::uint32_t creator = 0;
  std::string_view extension = {};  // the usual one, without its dot
};

// Every action, by word in alphabetical order.
std::span<const OutputFormat> OutputFormats();

// The row of an action; none for OutputAction::None.
const OutputFormat* OutputFormatOf(OutputAction action);

}  // namespace kbc
