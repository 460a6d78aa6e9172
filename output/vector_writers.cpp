// The EPS and SVG documents: the request's layout walked into document text.
#include <string_view>

#include "core/symbology.h"
#include "files/path.h"
#include "output/metadata.h"
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

}  // namespace

Result<std::string> RenderEpsBytes(const BarcodeSettings& settings, const CheckedSymbol& checked, std::string_view path) {
  std::string eps;
  AppendEpsDrawing(checked.layout, settings, eps);
  // A file name may hold control characters; the title must stay one line.
  std::u32string title = FromUtf8(LastPathComponent(path));
  EscapeControlChars(title);
  ReplaceFirst(eps, "\u00ABEPSFileName\u00BB", ToUtf8(title));
  ReplaceFirst(eps, "\u00ABEPSMetaData\u00BB", ToUtf8(BuildEpsMetadata(settings)));
  return eps;
}

Result<std::string> RenderSvgBytes(const BarcodeSettings& settings, const CheckedSymbol& checked) {
  std::string svg;
  AppendSvgDrawing(checked.layout, settings, svg);
  return svg;
}

}  // namespace kbc
