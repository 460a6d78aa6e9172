#include "output/output_formats.h"

#include <algorithm>
#include <array>

#include "output/bitmap_writers.h"
#include "output/pdf_writers.h"
#include "output/request_info.h"
#include "output/vector_writers.h"
#include "output/zpl_writer.h"

namespace kbc {
namespace {

// Only EPS names its document after the file.
template <Result<std::string> (*Render)(const BarcodeSettings&, const CheckedSymbol&)>
Result<std::string> Untitled(const BarcodeSettings& settings, const CheckedSymbol& checked, std::string_view) {
  return Render(settings, checked);
}

constexpr std::uint32_t kPreview = FourCharCode("prvw");
constexpr std::uint32_t kTextEditor = FourCharCode("QZTX");

constexpr std::array<OutputFormat, 9> kOutputFormats = {{
    // Pasted as PDF; no file.
    {.word = "clip", .action = OutputAction::Clipboard, .render = nullptr, .rgbOnlyName = "PDF", .barsTakeAlpha = true},
    {.word = "epsf",
     .action = OutputAction::Eps,
     .render = RenderEpsBytes,
     .barsTakeAlpha = false,
     .fileType = FourCharCode("EPSF"),
     .creator = kTextEditor,
     .extension = "eps",
     .mediaType = "application/postscript"},
    // Printed as JSON; no file.
    {.word = "info", .action = OutputAction::Info, .render = nullptr, .print = RequestInfoJson},
    {.word = "jpeg",
     .action = OutputAction::Jpeg,
     .render = Untitled<RenderJpegBytes>,
     .rgbOnlyName = "JPEG",
     .barsTakeAlpha = true,
     .bitmap = true,
     .fileType = FourCharCode("JPEG"),
     .creator = kPreview,
     .extension = "jpg",
     .mediaType = "image/jpeg"},
    {.word = "pdff",
     .action = OutputAction::Pdf,
     .render = Untitled<RenderPdfBytes>,
     .placeholder = RenderPdfPlaceholder,
     .rgbOnlyName = "PDF",
     .barsTakeAlpha = true,
     .fileType = FourCharCode("PDF "),
     .creator = kPreview,
     .extension = "pdf",
     .mediaType = "application/pdf"},
    {.word = "pngf",
     .action = OutputAction::Png,
     .render = Untitled<RenderPngBytes>,
     .rgbOnlyName = "PNG",
     .barsTakeAlpha = true,
     .bitmap = true,
     .fileType = FourCharCode("PNGf"),
     .creator = kPreview,
     .extension = "png",
     .mediaType = "image/png"},
    {.word = "svgf",
     .action = OutputAction::Svg,
     .render = Untitled<RenderSvgBytes>,
     .rgbOnlyName = "SVG",
     .barsTakeAlpha = false,
     .fileType = FourCharCode("SVGf"),
     .creator = kTextEditor,
     .extension = "svg",
     .mediaType = "image/svg+xml"},
    {.word = "tiff",
     .action = OutputAction::Tiff,
     .render = Untitled<RenderTiffBytes>,
     .barsTakeAlpha = true,
     .bitmap = true,
     .fileType = FourCharCode("TIFF"),
     .creator = kPreview,
     .extension = "tif",
     .mediaType = "image/tiff"},
    // Monochrome: drawn black on white whatever the colours, so it neither
    // converts CMYK nor loses transparent bars.
    {.word = "zplf",
     .action = OutputAction::Zpl,
     .render = Untitled<RenderZplBytes>,
     .barsTakeAlpha = false,
     .bitmap = true,
     .fileType = FourCharCode("TEXT"),
     .creator = kTextEditor,
     .extension = "zpl",
     .mediaType = "application/zpl",
     .defaultDpi = kZplDefaultDpi},
}};

}  // namespace

std::span<const OutputFormat> OutputFormats() { return kOutputFormats; }

const OutputFormat* OutputFormatOf(OutputAction action) {
  const auto row = std::ranges::find(kOutputFormats, action, &OutputFormat::action);
  return row == kOutputFormats.end() ? nullptr : &*row;
}

}  // namespace kbc
