// A one-page PDF document drawn through cairo's PDF surface into memory; the
// caller writes the bytes to a file or hands them to the clipboard.
//
// Cairo writes colours as DeviceRGB only: grey and CMYK colours become their RGB
// equivalents (grey g is g, g, g). Text uses the same resolved font file and the
// same HarfBuzz glyph positions as the raster canvas; cairo embeds a subset.
// When SOURCE_DATE_EPOCH is set, the document records that instant as its
// creation date, so the same request gives the same bytes.
#pragma once


#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "canvas/cairo_library.h"
#include "canvas/text_layout.h"
#include "core/result.h"
#include "render/drawing_target.h"

namespace kbc {

// The document information, UTF-8.
struct PdfDocumentInfo {
  std::string author;
  std::string creator;
  std::string title;
  std::string subject;
  std::string keywords;
};

class PdfCanvas final : public DrawingTarget {
 public:
  // One page of width × height points; user space has its origin at the lower left.
  PdfCanvas(double width, double height);
  ~PdfCanvas() override;
  PdfCanvas(const PdfCanvas&) = delete;
  PdfCanvas& operator=(const PdfCanvas&) = delete;

  void SetDocumentInfo(const PdfDocumentInfo& info);

  // Ends the page and the document: the PDF bytes, or why cairo made none.
  // The canvas draws nothing afterwards.
  Result<std::string> Finish();
  // Whether some text was not drawn because no font at all could be loaded.
  bool TextLackedFont() const { return textLackedFont_; }

  void Translate(double tx, double ty) override;
  void Scale(double sx, double sy) override;
  // Turns user space anticlockwise by a multiple of 90 degrees, for a page
  // that holds its drawing turned.
  void RotateQuarterTurns(int quarterTurns);
  void SaveState() override;
  void RestoreState() override;

  void SetFillColour(const Colour& colour) override;
  void SetStrokeColour(const Colour& colour) override;
  void SetLineWidth(double width) override;
  void SetAntialias(bool on) override;
  // A PDF holds outlines: smoothing is the viewer's matter, so this changes nothing.
  void SetFontSmoothing(bool on) override;

  void FillRect(const Rect& rect) override;
  void StrokeRect(const Rect& rect) override;
  void StrokeSegment(Point from, Point to) override;
  void FillPolygon(std::span<const Point> corners) override;
  void FillRing(Point centre, double radius, double hole) override;
  void DrawText(std::u32string_view text, Point origin, std::u32string_view fontName, double fontSize) override;
  TextMetrics MeasureText(std::u32string_view text, std::u32string_view fontName, double fontSize) override;

 private:
  struct Colours {
    Colour fill;
    Colour stroke;
  };
  void UseColour(const Colour& colour);
  void FlushFills();
  cairo_font_face_t* CairoFaceFor(const ResolvedFont& font);

  const Cairo* lib_;  // null when cairo could not be opened: nothing is drawn
  std::string bytes_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cairo_ = nullptr;
  Colours colours_;
  std::vector<Colours> saved_;
  std::vector<Rect> pendingRects_;  // rectangles of pendingColour_ not filled yet
  Colour pendingColour_;
  FontLibrary& Fonts();

  std::unique_ptr<FontLibrary> fonts_;  // created when text is first drawn or measured
  bool textLackedFont_ = false;
  std::map<std::pair<std::string, int>, cairo_font_face_t*> cairoFaces_;  // released with the canvas
};

}  // namespace kbc
