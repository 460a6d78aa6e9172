// The font service: font names resolved through fontconfig and FreeType, once
// per name and run.
#pragma once

#include <string>
#include <string_view>

namespace kbc {

struct ResolvedFont {
  std::string file;            // font file to draw with (a fallback when not installed)
  int faceIndex = 0;           // face inside the file
  std::string postScriptName;  // name written into EPS and SVG documents
  bool installed = false;      // a font of that family or PostScript name exists
};

// A font created with size 0 gets 12 points.
constexpr double EffectiveFontSize(double size) { return size == 0 ? 12.0 : size; }

// Resolves a font name once per run; later calls return the same record.
const ResolvedFont& ResolveFont(std::u32string_view fontName);

// The PostScript name written into EPS and SVG for a requested font name: the
// installed font's own PostScript name, else the requested name without the
// characters a PostScript name cannot hold, else "Helvetica".
const std::string& PostScriptFontName(std::u32string_view fontName);

// The requested name cleaned to what a PostScript name can hold, at most 127
// characters ("Helvetica" if empty).
std::string SanitizePostScriptName(std::u32string_view fontName);

}  // namespace kbc
