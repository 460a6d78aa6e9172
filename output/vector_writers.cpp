// The EPS and SVG writers: render without a drawing target, keep the document.
#include <string_view>

#include "core/symbology.h"
#include "output/file_codes.h"
#include "output/metadata.h"
#include "output/refusal.h"
#include "output/writers.h"
#include "platform/atomic_file.h"
#include "platform/path.h"
#include "platform/utf8.h"
#include "dispatch/render_barcode.h"

namespace kbc {
namespace {

WriteStatus NotDrawable(const BarcodeSettings& settings, const DataCheck& check, const std::string& path) {
  return WriteStatus::Failure(DataRefusal(settings, check) + "; \"" + path + "\" was not written");
}

// Replaces the first occurrence only: the placeholders stand once, in the header,
// and user text further down must not be touched.
void ReplaceFirst(std::string& text, std::string_view placeholder, std::string_view value) {
  if (const auto at = text.find(placeholder); at != std::string::npos) text.replace(at, placeholder.size(), value);
}

WriteStatus WriteDocument(const std::string& path, const std::string& text, std::uint32_t type) {
  if (const auto error = WriteFileAtomically(path, text)) return WriteStatus::Failure(*error);
  SetFileTypeAndCreator(path, type, FourCharCode("QZTX"));
  return WriteStatus::Success();
}

}  // namespace

WriteStatus WriteEpsFile(const std::string& path, BarcodeSettings& settings, const DataCheck& check, float width,
                          float height) {
  BarcodeSettings copy = settings;
  std::string eps;
  copy.epsText = &eps;
  copy.svgText = nullptr;
  RenderBarcode(nullptr, copy, check, width, height);
  if (eps.empty()) return NotDrawable(settings, check, path);

  // A file name may hold control characters; the title must stay one line.
  std::u32string title = FromUtf8(LastPathComponent(path));
  EscapeControlChars(title);
  ReplaceFirst(eps, "\u00ABEPSFileName\u00BB", ToUtf8(title));
  ReplaceFirst(eps, "\u00ABEPSMetaData\u00BB", ToUtf8(BuildEpsMetadata(settings)));
  return WriteDocument(path, eps, FourCharCode("EPSF"));
}

WriteStatus WriteSvgFile(const std::string& path, BarcodeSettings& settings, const DataCheck& check, float width,
                          float height) {
  BarcodeSettings copy = settings;
  std::string svg;
  copy.epsText = nullptr;
  copy.svgText = &svg;
  RenderBarcode(nullptr, copy, check, width, height);
  if (svg.empty()) return NotDrawable(settings, check, path);
  return WriteDocument(path, svg, FourCharCode("SVGf"));
}

}  // namespace kbc
