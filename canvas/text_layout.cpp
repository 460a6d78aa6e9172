#include "canvas/text_layout.h"

#include "caches/cache_file.h"

namespace kbc {

FreeTypeLibrary::~FreeTypeLibrary() {
  if (library_) FT_Done_FreeType(library_);
}

FT_Library FreeTypeLibrary::Get() {
  if (!tried_) {
    tried_ = true;
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  return library_;
}

std::unique_ptr<FontFace> FontFace::Load(FreeTypeLibrary& library, const ResolvedFont& font, ShapeCache& shapes) {
  if (font.file.empty()) return nullptr;
  return std::unique_ptr<FontFace>(new FontFace(library, font, shapes));
}

FontFace::FontFace(FreeTypeLibrary& library, ResolvedFont source, ShapeCache& shapes)
    : library_(library),
      source_(std::move(source)),
      cacheKey_{source_.file, FileStamp(source_.file), source_.faceIndex},
      shapes_(shapes) {}

FontFace::~FontFace() {
  if (shaper_) hb_->fontDestroy(shaper_);
  if (face_) FT_Done_Face(face_);
}

FT_Face FontFace::Face() const {
  if (!faceTried_) {
    faceTried_ = true;
    FT_Library library = library_.Get();
    if (!library || FT_New_Face(library, source_.file.c_str(), source_.faceIndex, &face_) != 0) face_ = nullptr;
  }
  return face_;
}

TextLine FontFace::Shape(std::u32string_view text, double fontSize) const {
  TextLine line;
  const ShapedRun run = ShapeInFontUnits(text);
  if (run.scale <= 0) return line;
  const double perUnit = EffectiveFontSize(fontSize) / run.scale;
  line.ascent = run.ascender * perUnit;
  // A cached descender may be any 32-bit number, the most negative one too.
  line.descent = -double(run.descender) * perUnit;
  line.leading = run.lineGap * perUnit;

  line.glyphs.reserve(run.glyphs.size());
  double penX = 0;
  double penY = 0;
  for (const ShapedGlyph& glyph : run.glyphs) {
    line.glyphs.push_back({glyph.id, (penX + glyph.xOffset) * perUnit, (penY + glyph.yOffset) * perUnit});
    penX += glyph.xAdvance;
    penY += glyph.yAdvance;
  }
  line.width = penX * perUnit;
  return line;
}

ShapedRun FontFace::ShapeInFontUnits(std::u32string_view text) const {
  if (std::optional<ShapedRun> cached = shapes_.Find(cacheKey_, text)) return std::move(*cached);
  ShapedRun run = ShapeWithHarfBuzz(text);
  if (hb_ && run.scale > 0) shapes_.Add(cacheKey_, text, run, LibraryStamp(hb_->library.Path()));
  return run;
}

ShapedRun FontFace::ShapeWithHarfBuzz(std::u32string_view text) const {
  ShapedRun run;
  if (!shaper_) {
    hb_ = OpenHarfBuzz();
    if (!hb_ || !Face()) return run;
    // Shaping works in font units so positions do not depend on hinting or size.
    hb_face_t* shapingFace = CreateShapingFace(*hb_, face_);
    shaper_ = hb_->fontCreate(shapingFace);
    const int unitsPerEm = int(hb_->faceGetUpem(shapingFace));
    hb_->faceDestroy(shapingFace);
    hb_->fontSetScale(shaper_, unitsPerEm, unitsPerEm);
  }
  int yScale = 0;
  hb_->fontGetScale(shaper_, &run.scale, &yScale);
  if (run.scale <= 0) return run;

  hb_font_extents_t extents{};
  hb_->fontGetHExtents(shaper_, &extents);
  run.ascender = extents.ascender;
  run.descender = extents.descender;
  run.lineGap = extents.line_gap;

  const auto destroyBuffer = [this](hb_buffer_t* buffer) { hb_->bufferDestroy(buffer); };
  std::unique_ptr<hb_buffer_t, decltype(destroyBuffer)> buffer(hb_->bufferCreate(), destroyBuffer);
  hb_->bufferAddUtf32(buffer.get(), reinterpret_cast<const std::uint32_t*>(text.data()), int(text.size()), 0,
                      int(text.size()));
  hb_->bufferGuessSegmentProperties(buffer.get());
  hb_->shape(shaper_, buffer.get(), nullptr, 0);

  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_->bufferGetGlyphInfos(buffer.get(), &count);
  const hb_glyph_position_t* positions = hb_->bufferGetGlyphPositions(buffer.get(), &count);
  run.glyphs.reserve(count);
  for (unsigned i = 0; i < count; ++i) {
    run.glyphs.push_back({infos[i].codepoint, positions[i].x_offset, positions[i].y_offset, positions[i].x_advance,
                          positions[i].y_advance});
  }
  return run;
}

FontLibrary::FontLibrary() : shapes_(CacheFilePath("shapes")), glyphs_(CacheFilePath("glyphs"), ProgramStamp()) {}

FontLibrary::~FontLibrary() { faces_.clear(); }

const FontFace* FontLibrary::FaceFor(std::u32string_view fontName) {
  const ResolvedFont& font = ResolveFont(fontName);
  auto key = std::make_pair(font.file, font.faceIndex);
  if (const auto known = faces_.find(key); known != faces_.end()) return known->second.get();
  return faces_.emplace(std::move(key), FontFace::Load(library_, font, shapes_)).first->second.get();
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
