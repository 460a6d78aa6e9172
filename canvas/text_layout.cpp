#include "canvas/text_layout.h"

#include <hb-ft.h>

namespace kbc {
namespace {

struct HbFaceDeleter {
  void operator()(hb_face_t* face) const { hb_face_destroy(face); }
};
struct HbBufferDeleter {
  void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};

}  // namespace

std::unique_ptr<FontFace> FontFace::Load(FT_Library library, const ResolvedFont& font) {
  if (!library || font.file.empty()) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(library, font.file.c_str(), font.faceIndex, &face) != 0) return nullptr;
  // Shaping works in font units so positions do not depend on hinting or size.
  std::unique_ptr<hb_face_t, HbFaceDeleter> hbFace(hb_ft_face_create_referenced(face));
  hb_font_t* shaper = hb_font_create(hbFace.get());
  const int unitsPerEm = int(hb_face_get_upem(hbFace.get()));
  hb_font_set_scale(shaper, unitsPerEm, unitsPerEm);
  return std::unique_ptr<FontFace>(new FontFace(face, shaper, font));
}

FontFace::~FontFace() {
  hb_font_destroy(shaper_);
  FT_Done_Face(face_);
}

TextLine FontFace::Shape(std::u32string_view text, double fontSize) const {
  TextLine line;
  int xScale = 0;
  int yScale = 0;
  hb_font_get_scale(shaper_, &xScale, &yScale);
  if (xScale <= 0) return line;
  const double perUnit = EffectiveFontSize(fontSize) / xScale;

  hb_font_extents_t extents{};
  hb_font_get_h_extents(shaper_, &extents);
  line.ascent = extents.ascender * perUnit;
  line.descent = -extents.descender * perUnit;
  line.leading = extents.line_gap * perUnit;

  std::unique_ptr<hb_buffer_t, HbBufferDeleter> buffer(hb_buffer_create());
  hb_buffer_add_utf32(buffer.get(), reinterpret_cast<const std::uint32_t*>(text.data()), int(text.size()), 0,
                      int(text.size()));
  hb_buffer_guess_segment_properties(buffer.get());
  hb_shape(shaper_, buffer.get(), nullptr, 0);

  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
  line.glyphs.reserve(count);
  double penX = 0;
  double penY = 0;
  for (unsigned i = 0; i < count; ++i) {
    line.glyphs.push_back({infos[i].codepoint, (penX + positions[i].x_offset) * perUnit,
                           (penY + positions[i].y_offset) * perUnit});
    penX += positions[i].x_advance;
    penY += positions[i].y_advance;
  }
  line.width = penX * perUnit;
  return line;
}

FontLibrary::FontLibrary() {
  if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

FontLibrary::~FontLibrary() {
  faces_.clear();
  if (library_) FT_Done_FreeType(library_);
}

const FontFace* FontLibrary::FaceFor(std::u32string_view fontName) {
  const ResolvedFont& font = ResolveFont(fontName);
  auto key = std::make_pair(font.file, font.faceIndex);
  if (const auto known = faces_.find(key); known != faces_.end()) return known->second.get();
  return faces_.emplace(std::move(key), FontFace::Load(library_, font)).first->second.get();
}

TextMetrics FontLibrary::Measure(std::u32string_view text, std::u32string_view fontName, double fontSize) {
  const FontFace* face = FaceFor(fontName);
  if (!face) return {};
  const TextLine line = face->Shape(text, fontSize);
  return {line.width, line.ascent + line.descent + line.leading};
}

TextMetrics MeasureText(std::u32string_view text, std::u32string_view fontName, double fontSize) {
  return FontLibrary().Measure(text, fontName, fontSize);
}

}  // namespace kbc
