#include "canvas/text_layout.h"

namespace kbc {

std::unique_ptr<FontFace> FontFace::Load(FT_Library library, const ResolvedFont& font) {
  const HarfBuzz* hb = OpenHarfBuzz();
  if (!hb || !library || font.file.empty()) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(library, font.file.c_str(), font.faceIndex, &face) != 0) return nullptr;
  // Shaping works in font units so positions do not depend on hinting or size.
  hb_face_t* shapingFace = CreateShapingFace(*hb, face);
  hb_font_t* shaper = hb->fontCreate(shapingFace);
  const int unitsPerEm = int(hb->faceGetUpem(shapingFace));
  hb->faceDestroy(shapingFace);
  hb->fontSetScale(shaper, unitsPerEm, unitsPerEm);
  return std::unique_ptr<FontFace>(new FontFace(*hb, face, shaper, font));
}

FontFace::~FontFace() {
  hb_.fontDestroy(shaper_);
  FT_Done_Face(face_);
}

TextLine FontFace::Shape(std::u32string_view text, double fontSize) const {
  TextLine line;
  int xScale = 0;
  int yScale = 0;
  hb_.fontGetScale(shaper_, &xScale, &yScale);
  if (xScale <= 0) return line;
  const double perUnit = EffectiveFontSize(fontSize) / xScale;

  hb_font_extents_t extents{};
  hb_.fontGetHExtents(shaper_, &extents);
  line.ascent = extents.ascender * perUnit;
  line.descent = -extents.descender * perUnit;
  line.leading = extents.line_gap * perUnit;

  const auto destroyBuffer = [this](hb_buffer_t* buffer) { hb_.bufferDestroy(buffer); };
  std::unique_ptr<hb_buffer_t, decltype(destroyBuffer)> buffer(hb_.bufferCreate(), destroyBuffer);
  hb_.bufferAddUtf32(buffer.get(), reinterpret_cast<const std::uint32_t*>(text.data()), int(text.size()), 0,
                     int(text.size()));
  hb_.bufferGuessSegmentProperties(buffer.get());
  hb_.shape(shaper_, buffer.get(), nullptr, 0);

  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_.bufferGetGlyphInfos(buffer.get(), &count);
  const hb_glyph_position_t* positions = hb_.bufferGetGlyphPositions(buffer.get(), &count);
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
