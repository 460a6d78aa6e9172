#include "canvas/cairo_library.h"

namespace kbc {

Cairo::Cairo() {
  const SharedLibrary& c = library;
  usable = c.Bind(pdfSurfaceCreateForStream, "cairo_pdf_surface_create_for_stream") &&
           c.Bind(pdfSurfaceSetMetadata, "cairo_pdf_surface_set_metadata") &&
           c.Bind(surfaceFinish, "cairo_surface_finish") && c.Bind(surfaceStatus, "cairo_surface_status") &&
           c.Bind(surfaceDestroy, "cairo_surface_destroy") && c.Bind(create, "cairo_create") &&
           c.Bind(destroy, "cairo_destroy") && c.Bind(status, "cairo_status") &&
           c.Bind(statusToString, "cairo_status_to_string") && c.Bind(translate, "cairo_translate") &&
           c.Bind(scale, "cairo_scale") && c.Bind(rotate, "cairo_rotate") && c.Bind(save, "cairo_save") && c.Bind(restore, "cairo_restore") &&
           c.Bind(setLineWidth, "cairo_set_line_width") && c.Bind(setAntialias, "cairo_set_antialias") &&
           c.Bind(setSourceRgba, "cairo_set_source_rgba") && c.Bind(rectangle, "cairo_rectangle") &&
           c.Bind(moveTo, "cairo_move_to") && c.Bind(lineTo, "cairo_line_to") && c.Bind(closePath, "cairo_close_path") &&
           c.Bind(newSubPath, "cairo_new_sub_path") && c.Bind(arc, "cairo_arc") &&
           c.Bind(arcNegative, "cairo_arc_negative") && c.Bind(fill, "cairo_fill") &&
           c.Bind(stroke, "cairo_stroke") && c.Bind(fontOptionsCreate, "cairo_font_options_create") &&
           c.Bind(fontOptionsSetHintStyle, "cairo_font_options_set_hint_style") &&
           c.Bind(fontOptionsSetHintMetrics, "cairo_font_options_set_hint_metrics") &&
           c.Bind(fontOptionsDestroy, "cairo_font_options_destroy") &&
           c.Bind(setFontOptions, "cairo_set_font_options") &&
           c.Bind(ftFontFaceCreateForPattern, "cairo_ft_font_face_create_for_pattern") &&
           c.Bind(fontFaceDestroy, "cairo_font_face_destroy") && c.Bind(setFontFace, "cairo_set_font_face") &&
           c.Bind(matrixInit, "cairo_matrix_init") && c.Bind(setFontMatrix, "cairo_set_font_matrix") &&
           c.Bind(showGlyphs, "cairo_show_glyphs") && fontconfig.Bind(patternCreate, "FcPatternCreate") &&
           fontconfig.Bind(patternAddString, "FcPatternAddString") &&
           fontconfig.Bind(patternAddInteger, "FcPatternAddInteger") &&
           fontconfig.Bind(patternDestroy, "FcPatternDestroy");
}

const Cairo* OpenCairo() {
  static const Cairo cairo;
  return cairo.usable ? &cairo : nullptr;
}

}  // namespace kbc
