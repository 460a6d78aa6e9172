#include "canvas/pdf_canvas.h"

#include <cstdlib>
#include <ctime>
#include <numbers>

#include "platform/device_colour.h"

namespace kbc {
namespace {

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Reproducible runs name the instant to record (in UTC) instead of now.
void PinCreationDate(const Cairo& lib, cairo_surface_t* surface) {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr || *epoch == '\0') return;
  const std::time_t when = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
  std::tm parts{};
  gmtime_r(&when, &parts);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%SZ", &parts);
  lib.pdfSurfaceSetMetadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, date);
}

bool SameColour(const Colour& a, const Colour& b) {
  return a.space == b.space && a.c == b.c && a.alpha == b.alpha;
}

}  // namespace

PdfCanvas::PdfCanvas(double width, double height) : lib_(OpenCairo()) {
  if (!lib_) return;
  surface_ = lib_->pdfSurfaceCreateForStream(AppendToString, &bytes_, width, height);
  cairo_ = lib_->create(surface_);
  PinCreationDate(*lib_, surface_);
  // Cairo's user space has y downwards from the top; ours has it upwards from the bottom.
  lib_->translate(cairo_, 0, height);
  lib_->scale(cairo_, 1, -1);
  // Strokes start one unit wide, as on the raster canvas (cairo's own default is 2).
  lib_->setLineWidth(cairo_, 1);
  // Glyphs go where HarfBuzz put them: no hinting of outlines or metrics.
  cairo_font_options_t* options = lib_->fontOptionsCreate();
  lib_->fontOptionsSetHintStyle(options, CAIRO_HINT_STYLE_NONE);
  lib_->fontOptionsSetHintMetrics(options, CAIRO_HINT_METRICS_OFF);
  lib_->setFontOptions(cairo_, options);
  lib_->fontOptionsDestroy(options);
}

PdfCanvas::~PdfCanvas() {
  if (!lib_) return;
  for (auto& [key, face] : cairoFaces_) lib_->fontFaceDestroy(face);
  if (cairo_) lib_->destroy(cairo_);
  if (surface_) lib_->surfaceDestroy(surface_);
}

void PdfCanvas::SetDocumentInfo(const PdfDocumentInfo& info) {
  const std::pair<cairo_pdf_metadata_t, const std::string*> entries[] = {
      {CAIRO_PDF_METADATA_AUTHOR, &info.author},   {CAIRO_PDF_METADATA_CREATOR, &info.creator},
      {CAIRO_PDF_METADATA_TITLE, &info.title},     {CAIRO_PDF_METADATA_SUBJECT, &info.subject},
      {CAIRO_PDF_METADATA_KEYWORDS, &info.keywords},
  };
  if (!lib_) return;
  for (const auto& [key, value] : entries) lib_->pdfSurfaceSetMetadata(surface_, key, value->c_str());
}

Result<std::string> PdfCanvas::Finish() {
  if (!lib_) {
    return Refusal(std::string("cairo (") + kCairoLibrary + "), which writes PDF documents, could not be opened");
  }
  if (!cairo_) return Refusal("the PDF document was already finished");
  FlushFills();
  cairo_status_t status = lib_->status(cairo_);
  lib_->destroy(cairo_);
  cairo_ = nullptr;
  lib_->surfaceFinish(surface_);
  if (status == CAIRO_STATUS_SUCCESS) status = lib_->surfaceStatus(surface_);
  if (status != CAIRO_STATUS_SUCCESS) {
    return Refusal(std::string("cairo could not make the PDF: ") + lib_->statusToString(status));
  }
  return std::move(bytes_);
}

void PdfCanvas::Translate(double tx, double ty) {
  FlushFills();
  if (cairo_) lib_->translate(cairo_, tx, ty);
}

void PdfCanvas::Scale(double sx, double sy) {
  FlushFills();
  if (cairo_) lib_->scale(cairo_, sx, sy);
}

void PdfCanvas::RotateQuarterTurns(int quarterTurns) {
  FlushFills();
  if (cairo_) lib_->rotate(cairo_, quarterTurns * (std::numbers::pi / 2));
}

void PdfCanvas::SaveState() {
  if (!cairo_) return;
  FlushFills();
  lib_->save(cairo_);
  saved_.push_back(colours_);
}

void PdfCanvas::RestoreState() {
  if (!cairo_ || saved_.empty()) return;
  FlushFills();
  lib_->restore(cairo_);
  colours_ = saved_.back();
  saved_.pop_back();
}

void PdfCanvas::SetFillColour(const Colour& colour) { colours_.fill = colour; }
void PdfCanvas::SetStrokeColour(const Colour& colour) { colours_.stroke = colour; }

void PdfCanvas::SetLineWidth(double width) {
  FlushFills();
  if (cairo_) lib_->setLineWidth(cairo_, width);
}

void PdfCanvas::SetAntialias(bool on) {
  FlushFills();
  if (cairo_) lib_->setAntialias(cairo_, on ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void PdfCanvas::SetFontSmoothing(bool) {}

void PdfCanvas::UseColour(const Colour& colour) {
  const auto [r, g, b] = RgbOf(colour);
  lib_->setSourceRgba(cairo_, r, g, b, colour.alpha);
}

// Consecutive rectangles of one colour become one path filled once, and a
// rectangle continuing the previous one on the same row extends it: cairo spends
// most of its time per fill and per path element, and a version-40 QR Code has
// thousands of modules. Dark modules abut but never overlap, so the painted area
// is the same.
void PdfCanvas::FillRect(const Rect& rect) {
  if (!cairo_) return;
  if (!pendingRects_.empty() && !SameColour(pendingColour_, colours_.fill)) FlushFills();
  if (pendingRects_.empty()) pendingColour_ = colours_.fill;
  if (!pendingRects_.empty()) {
    Rect& last = pendingRects_.back();
    if (last.y == rect.y && last.height == rect.height && last.x + last.width == rect.x) {
      last.width += rect.width;
      return;
    }
  }
  pendingRects_.push_back(rect);
}

void PdfCanvas::FlushFills() {
  if (!cairo_ || pendingRects_.empty()) return;
  for (const Rect& r : pendingRects_) lib_->rectangle(cairo_, r.x, r.y, r.width, r.height);
  pendingRects_.clear();
  UseColour(pendingColour_);
  lib_->fill(cairo_);
}

void PdfCanvas::StrokeRect(const Rect& rect) {
  if (!cairo_) return;
  FlushFills();
  UseColour(colours_.stroke);
  lib_->rectangle(cairo_, rect.x, rect.y, rect.width, rect.height);
  lib_->stroke(cairo_);
}

void PdfCanvas::StrokeSegment(Point from, Point to) {
  if (!cairo_) return;
  FlushFills();
  UseColour(colours_.stroke);
  lib_->moveTo(cairo_, from.x, from.y);
  lib_->lineTo(cairo_, to.x, to.y);
  lib_->stroke(cairo_);
}

void PdfCanvas::FillPolygon(std::span<const Point> corners) {
  if (!cairo_ || corners.empty()) return;
  FlushFills();
  lib_->moveTo(cairo_, corners[0].x, corners[0].y);
  for (const Point& p : corners.subspan(1)) lib_->lineTo(cairo_, p.x, p.y);
  lib_->closePath(cairo_);
  UseColour(colours_.fill);
  lib_->fill(cairo_);
}

void PdfCanvas::FillRing(Point centre, double radius, double hole) {
  if (!cairo_) return;
  FlushFills();
  // The hole runs the other way round: cairo's non-zero rule leaves it empty.
  lib_->newSubPath(cairo_);
  lib_->arc(cairo_, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
  if (hole > 0) {
    lib_->newSubPath(cairo_);
    lib_->arcNegative(cairo_, centre.x, centre.y, hole, 2 * std::numbers::pi, 0);
  }
  UseColour(colours_.fill);
  lib_->fill(cairo_);
}

cairo_font_face_t* PdfCanvas::CairoFaceFor(const ResolvedFont& font) {
  auto key = std::make_pair(font.file, font.faceIndex);
  if (const auto known = cairoFaces_.find(key); known != cairoFaces_.end()) return known->second;
  // Cairo loads the file itself and keeps the face as long as the document needs it.
  FcPattern* pattern = lib_->patternCreate();
  lib_->patternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(font.file.c_str()));
  lib_->patternAddInteger(pattern, FC_INDEX, font.faceIndex);
  cairo_font_face_t* face = lib_->ftFontFaceCreateForPattern(pattern);
  lib_->patternDestroy(pattern);
  return cairoFaces_.emplace(std::move(key), face).first->second;
}

FontLibrary& PdfCanvas::Fonts() {
  if (!fonts_) fonts_ = std::make_unique<FontLibrary>();
  return *fonts_;
}

TextMetrics PdfCanvas::MeasureText(std::u32string_view text, std::u32string_view fontName, double fontSize) {
  return Fonts().Measure(text, fontName, fontSize);
}

void PdfCanvas::DrawText(std::u32string_view text, Point origin, std::u32string_view fontName, double fontSize) {
  if (!cairo_ || text.empty()) return;
  FlushFills();
  const FontFace* font = Fonts().FaceFor(fontName);
  if (!font) {
    textLackedFont_ = true;
    return;
  }
  const double size = EffectiveFontSize(fontSize);
  const TextLine line = font->Shape(text, size);
  std::vector<cairo_glyph_t> glyphs;
  glyphs.reserve(line.glyphs.size());
  for (const PlacedGlyph& glyph : line.glyphs) glyphs.push_back({glyph.id, origin.x + glyph.x, origin.y + glyph.y});

  lib_->setFontFace(cairo_, CairoFaceFor(font->Source()));
  // Our y runs upwards, so the font matrix flips glyphs back upright.
  cairo_matrix_t matrix;
  lib_->matrixInit(&matrix, size, 0, 0, -size, 0, 0);
  lib_->setFontMatrix(cairo_, &matrix);
  UseColour(colours_.fill);
  lib_->showGlyphs(cairo_, glyphs.data(), int(glyphs.size()));
}

}  // namespace kbc
