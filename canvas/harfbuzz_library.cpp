#include "canvas/harfbuzz_library.h"

#include FT_TRUETYPE_TABLES_H

#include <cstdlib>

namespace kbc {
namespace {

void ReleaseFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

struct TableSource {
  const HarfBuzz* hb;
  FT_Face face;
};

void ReleaseTableSource(void* source) {
  ReleaseFace(static_cast<TableSource*>(source)->face);
  delete static_cast<TableSource*>(source);
}

// One table copied out of a face whose file FreeType reads through a stream
// (tag 0 is the whole file, in HarfBuzz's and FreeType's convention alike).
hb_blob_t* ReferenceTable(hb_face_t*, hb_tag_t tag, void* user) {
  const TableSource& source = *static_cast<TableSource*>(user);
  FT_ULong length = 0;
  if (FT_Load_Sfnt_Table(source.face, tag, 0, nullptr, &length) != 0) return nullptr;
  auto* buffer = static_cast<FT_Byte*>(std::malloc(length));
  if (!buffer) return nullptr;
  if (FT_Load_Sfnt_Table(source.face, tag, 0, buffer, &length) != 0) {
    std::free(buffer);
    return nullptr;
  }
  return source.hb->blobCreate(reinterpret_cast<const char*>(buffer), unsigned(length), HB_MEMORY_MODE_WRITABLE,
                               buffer, std::free);
}

}  // namespace

HarfBuzz::HarfBuzz() {
  usable = library.Bind(blobCreate, "hb_blob_create") && library.Bind(blobDestroy, "hb_blob_destroy") &&
           library.Bind(faceCreate, "hb_face_create") &&
           library.Bind(faceCreateForTables, "hb_face_create_for_tables") &&
           library.Bind(faceSetIndex, "hb_face_set_index") && library.Bind(faceSetUpem, "hb_face_set_upem") &&
           library.Bind(faceGetUpem, "hb_face_get_upem") && library.Bind(faceDestroy, "hb_face_destroy") &&
           library.Bind(fontCreate, "hb_font_create") && library.Bind(fontDestroy, "hb_font_destroy") &&
           library.Bind(fontSetScale, "hb_font_set_scale") && library.Bind(fontGetScale, "hb_font_get_scale") &&
           library.Bind(fontGetHExtents, "hb_font_get_h_extents") &&
           library.Bind(bufferCreate, "hb_buffer_create") && library.Bind(bufferDestroy, "hb_buffer_destroy") &&
           library.Bind(bufferAddUtf32, "hb_buffer_add_utf32") &&
           library.Bind(bufferGuessSegmentProperties, "hb_buffer_guess_segment_properties") &&
           library.Bind(bufferGetGlyphInfos, "hb_buffer_get_glyph_infos") &&
           library.Bind(bufferGetGlyphPositions, "hb_buffer_get_glyph_positions") &&
           library.Bind(shape, "hb_shape");
}

const HarfBuzz* OpenHarfBuzz() {
  static const HarfBuzz hb;
  return hb.usable ? &hb : nullptr;
}

hb_face_t* CreateShapingFace(const HarfBuzz& hb, FT_Face face) {
  FT_Reference_Face(face);
  hb_face_t* shapingFace = nullptr;
  if (!face->stream->read) {
    // The file is in memory (mapped): HarfBuzz reads it in place.
    hb_blob_t* blob = hb.blobCreate(reinterpret_cast<const char*>(face->stream->base), unsigned(face->stream->size),
                                    HB_MEMORY_MODE_READONLY, face, ReleaseFace);
    shapingFace = hb.faceCreate(blob, unsigned(face->face_index));
    hb.blobDestroy(blob);
  } else {
    shapingFace = hb.faceCreateForTables(ReferenceTable, new TableSource{&hb, face}, ReleaseTableSource);
  }
  hb.faceSetIndex(shapingFace, unsigned(face->face_index));
  hb.faceSetUpem(shapingFace, face->units_per_EM);
  return shapingFace;
}

}  // namespace kbc
