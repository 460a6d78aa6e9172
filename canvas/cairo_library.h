// cairo opened when a run first makes a PDF (see platform/shared_library.h).
// Linked in, it would cost every run, PDF or not, the start-up work of the
// pixel library under it, which probes the processor before main and takes
// longer than drawing a whole linear symbol. The font patterns cairo reads are
// made by the fontconfig cairo itself was opened with.
#pragma once

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>

#include "platform/library_names.h"
#include "platform/shared_library.h"

namespace kbc {

struct Cairo {
  SharedLibrary library{kCairoLibrary};
  SharedLibrary fontconfig{kFontconfigLibrary};
  decltype(cairo_pdf_surface_create_for_stream)* pdfSurfaceCreateForStream = nullptr;
  decltype(cairo_pdf_surface_set_metadata)* pdfSurfaceSetMetadata = nullptr;
  decltype(cairo_surface_finish)* surfaceFinish = nullptr;
  decltype(cairo_surface_status)* surfaceStatus = nullptr;
  decltype(cairo_surface_destroy)* surfaceDestroy = nullptr;
  decltype(cairo_create)* create = nullptr;
  decltype(cairo_destroy)* destroy = nullptr;
  decltype(cairo_status)* status = nullptr;
  decltype(cairo_status_to_string)* statusToString = nullptr;
  decltype(cairo_translate)* translate = nullptr;
  decltype(cairo_scale)* scale = nullptr;
  decltype(cairo_rotate)* rotate = nullptr;
  decltype(cairo_save)* save = nullptr;
  decltype(cairo_restore)* restore = nullptr;
  decltype(cairo_set_line_width)* setLineWidth = nullptr;
  decltype(cairo_set_antialias)* setAntialias = nullptr;
  decltype(cairo_set_source_rgba)* setSourceRgba = nullptr;
  decltype(cairo_rectangle)* rectangle = nullptr;
  decltype(cairo_move_to)* moveTo = nullptr;
  decltype(cairo_line_to)* lineTo = nullptr;
  decltype(cairo_close_path)* closePath = nullptr;
  decltype(cairo_new_sub_path)* newSubPath = nullptr;
  decltype(cairo_arc)* arc = nullptr;
  decltype(cairo_arc_negative)* arcNegative = nullptr;
  decltype(cairo_fill)* fill = nullptr;
  decltype(cairo_stroke)* stroke = nullptr;
  decltype(cairo_font_options_create)* fontOptionsCreate = nullptr;
  decltype(cairo_font_options_set_hint_style)* fontOptionsSetHintStyle = nullptr;
  decltype(cairo_font_options_set_hint_metrics)* fontOptionsSetHintMetrics = nullptr;
  decltype(cairo_font_options_destroy)* fontOptionsDestroy = nullptr;
  decltype(cairo_set_font_options)* setFontOptions = nullptr;
  decltype(cairo_ft_font_face_create_for_pattern)* ftFontFaceCreateForPattern = nullptr;
  decltype(cairo_font_face_destroy)* fontFaceDestroy = nullptr;
  decltype(cairo_set_font_face)* setFontFace = nullptr;
  decltype(cairo_matrix_init)* matrixInit = nullptr;
  decltype(cairo_set_font_matrix)* setFontMatrix = nullptr;
  decltype(cairo_show_glyphs)* showGlyphs = nullptr;
  decltype(FcPatternCreate)* patternCreate = nullptr;
  decltype(FcPatternAddString)* patternAddString = nullptr;
  decltype(FcPatternAddInteger)* patternAddInteger = nullptr;
  decltype(FcPatternDestroy)* patternDestroy = nullptr;
  bool usable = false;

  Cairo();
};

// The process's cairo, opened on the first call; null when it cannot be used.
const Cairo* OpenCairo();

}  // namespace kbc
