// The PDF 1.1 file of a canvas: text in the standard Type 1 fonts, lines and polygons as path
// operators, images as LZW-compressed RGB image objects. No page is rendered to a bitmap.
//
// Text stands on its baseline (page height - (Y + the font's ascent)), so that a PDF page and
// the page bitmap put their ink in the same places. Fonts are written at 0.935 of their point
// size, close to the width the canvas measured with its own fonts; underlining is not written.
// Each page's content starts from the default state and sets its font and colours itself.
#pragma once

#include "output/canvas/canvas.h"
#include "output/error_codes.h"

#include <string_view>

namespace output {

// The standard fonts, in the order of their /F numbers.
inline constexpr const char* kPdfBaseFonts[] = {
    "Times-Roman", "Times-Bold",     "Times-Italic",      "Times-BoldItalic",
    "Courier",     "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique",
    "Helvetica",   "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
};

// The standard font that stands for a canvas font: its family's group, then bold, then italic.
int PdfBaseFontIndex(const FontChoice& font);

// Writes every page of `canvas` to `name` + ".pdf" ("\" in `name` separates folders), replacing
// the file atomically. CannotAccessFile when the file cannot be written; nothing is left behind
// then.
CanvasError WritePdf(const Canvas& canvas, std::string_view name);

} // namespace output
