// HarfBuzz opened when a run first shapes text (see platform/shared_library.h):
// the functions the text layout calls, bound by name.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include "platform/library_names.h"
#include "platform/shared_library.h"

namespace kbc {

struct HarfBuzz {
  SharedLibrary library{kHarfBuzzLibrary};
  decltype(hb_blob_create)* blobCreate = nullptr;
  decltype(hb_blob_destroy)* blobDestroy = nullptr;
  decltype(hb_face_create)* faceCreate = nullptr;
  decltype(hb_face_create_for_tables)* faceCreateForTables = nullptr;
  decltype(hb_face_set_index)* faceSetIndex = nullptr;
  decltype(hb_face_set_upem)* faceSetUpem = nullptr;
  decltype(hb_face_get_upem)* faceGetUpem = nullptr;
  decltype(hb_face_destroy)* faceDestroy = nullptr;
  decltype(hb_font_create)* fontCreate = nullptr;
  decltype(hb_font_destroy)* fontDestroy = nullptr;
  decltype(hb_font_set_scale)* fontSetScale = nullptr;
  decltype(hb_font_get_scale)* fontGetScale = nullptr;
  decltype(hb_font_get_h_extents)* fontGetHExtents = nullptr;
  decltype(hb_buffer_create)* bufferCreate = nullptr;
  decltype(hb_buffer_destroy)* bufferDestroy = nullptr;
  decltype(hb_buffer_add_utf32)* bufferAddUtf32 = nullptr;
  decltype(hb_buffer_guess_segment_properties)* bufferGuessSegmentProperties = nullptr;
  decltype(hb_buffer_get_glyph_infos)* bufferGetGlyphInfos = nullptr;
  decltype(hb_buffer_get_glyph_positions)* bufferGetGlyphPositions = nullptr;
  decltype(hb_shape)* shape = nullptr;
  bool usable = false;

  HarfBuzz();
};

// The process's HarfBuzz, opened on the first call; null when it cannot be used.
const HarfBuzz* OpenHarfBuzz();

// A HarfBuzz face reading its tables from a FreeType face, holding a reference
// to it: what HarfBuzz's own FreeType glue builds, done here so that HarfBuzz
// never calls into a FreeType of its own with our face.
hb_face_t* CreateShapingFace(const HarfBuzz& hb, FT_Face face);

}  // namespace kbc
