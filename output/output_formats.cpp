#include "output/output_formats.h"

#include <algorithm>
#include <array>

#include "output/bitmap_writers.h"
#include "output/pdf_writers.h"
#include "output/vector_writers.h"

namespace kbc {
namespace {

// PDF and the bitmaps are drawn at the command line's size: no fallback placeholder size.
template <FileRendering (*Render)(const BarcodeSettings&, const DataCheck&, float, float)>
FileRendering AtNoSize(const BarcodeSettings& settings, const DataCheck& check, std::string_view) {
  return Render(settings, check, 0, 0);
}

FileRendering Svg(const BarcodeSettings& settings, const DataCheck& check, std::string_view) {
  return RenderSvgBytes(settings, check);
}

constexpr std::uint32_t kPreview = FourCharCode("prvw");
constexpr std::uint32_t kTextEditor = FourCharCode("QZTX");

constexpr std::array<OutputFormat, 7> kOutputFormats = {{
    // Pasted as PDF; no file.
    {.word = "clip", .action = OutputAction::Clipboard, .render = nullptr, .rgbOnlyName = "PDF", .barsTakeAlpha = true},
    {.word = "epsf",
     .action = OutputAction::Eps,
     .render = RenderEpsBytes,
     .barsTakeAlpha = false,
     .fileType = FourCharCode("EPSF"),
     .creator = kTextEditor,
     .extension = "eps"},
    {.word = "jpeg",
     .action = OutputAction::Jpeg,
     .render = AtNoSize<RenderJpegBytes>,
     .rgbOnlyName = "JPEG",
     .barsTakeAlpha = true,
     .bitmap = true,
     .fileType = FourCharCode("JPEG"),
     .creator = kPreview,
     .extension = "jpg"},
    {.word = "pdff",
     .action = OutputAction::Pdf,
     .render = AtNoSize<RenderPdfBytes>,
     .rgbOnlyName = "PDF",
     .barsTakeAlpha = true,
     .fileType = FourCharCode("PDF "),
     .creator = kPreview,
     .extension = "pdf"},
    {.word = "pngf",
     .action = OutputAction::Png,
     .render = AtNoSize<RenderPngBytes>,
     .rgbOnlyName = "PNG",
     .barsTakeAlpha = true,
     .bitmap = true,
     .fileType = FourCharCode("PNGf"),
     .creator = kPreview,
     .extension = "png"},
    {.word = "svgf",
     .action = OutputAction::Svg,
     .render = Svg,
     .rgbOnlyName = "SVG",
     .barsTakeAlpha = false,
     .fileType = FourCharCode("SVGf"),
     .creator = kTextEditor,
     .extension = "svg"},
    {.word = "tiff",
     .action = OutputAction::Tiff,
     .render = AtNoSize<RenderTiffBytes>,
     .barsTakeAlpha = true,
     .bitmap = true,
     .fileType = FourCharCode("TIFF"),
     .creator = kPreview,
     .extension = "tif"},
}};

}  // namespace

std::span<const OutputFormat> OutputFormats() { return kOutputFormats; }

const OutputFormat* OutputFormatOf(OutputAction action) {
  const auto row = std::ranges::find(kOutputFormats, action, &OutputFormat::action);
  return row == kOutputFormats.end() ? nullptr : &*row;
}

}  // namespace kbc
