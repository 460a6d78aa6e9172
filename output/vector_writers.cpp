// The EPS and SVG documents: the request's layout walked into document text.
#include <string_view>

#include "core/symbology.h"
#include "files/path.h"
#include "output/file_bytes.h"
#include "output/metadata.h"
#include "output/refusal.h"
#include "output/vector_writers.h"
#include "render/draw_list_targets.h"
#include "text/utf8.h"

namespace kbc {
namespace {

// Replaces the first occurrence only: the placeholders stand once, in the header,
// and user text further down must not be touched.
void ReplaceFirst(std::string& text, std::string_view placeholder, std::string_view value) {
  if (const auto at = text.find(placeholder); at != std::string::npos) text.replace(at, placeholder.size(), value);
}

FileRendering Document(std::string text, const BarcodeSettings& settings, const DataCheck& check) {
  FileRendering rendering;
  if (text.empty()) {
    rendering.reason = DataRefusal(settings, check);
  } else {
    rendering.bytes = std::move(text);
  }
  return rendering;
}

}  // namespace

FileRendering RenderEpsBytes(const BarcodeSettings& settings, const DataCheck& check, std::string_view path) {
  std::string eps;
  if (check.image) {
    AppendEpsDrawing(check.layout, settings, eps);
    // A file name may hold control characters; the title must stay one line.
    std::u32string title = FromUtf8(LastPathComponent(path));
    EscapeControlChars(title);
    ReplaceFirst(eps, "\u00ABEPSFileName\u00BB", ToUtf8(title));
    ReplaceFirst(eps, "\u00ABEPSMetaData\u00BB", ToUtf8(BuildEpsMetadata(settings)));
  }
  return Document(std::move(eps), settings, check);
}

FileRendering RenderSvgBytes(const BarcodeSettings& settings, const DataCheck& check) {
  std::string svg;
  if (check.image) AppendSvgDrawing(check.layout, settings, svg);
  return Document(std::move(svg), settings, check);
}

}  // namespace kbc
