// Choosing a face file for a face name through fontconfig, and opening it with FreeType.
//
// A name in the face table (face_table.h) asks for its Liberation family; no name asks for the
// Liberation family of the request's generic kind; any other name is asked of fontconfig as it
// stands. The Liberation family and fontconfig's generic name of the kind follow as fallbacks,
// so a request always finds a scalable face where any is installed.
#pragma once

#include "platform/fonts/face_table.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace fonts {

struct FaceRequest {
    std::string name;                // Windows-1252; empty for "any face of the kind"
    Generic generic = Generic::Sans; // the kind when the table does not name one
    bool bold = false;
    bool italic = false;
};

struct ResolvedFace {
    std::string family; // as the face file names it
    std::string style;
    std::string file;                // empty when no face was found
    int index = 0;                   // the face's index within the file
    Generic generic = Generic::Sans; // the kind the request came to
};

FONTS_EXPORT ResolvedFace ResolveFace(const FaceRequest& request);

// The FreeType face of a resolved face, opened once per file and index and kept for the
// process; nullptr when the file cannot be read as a font. Callers must not free it, and set
// sizes only on FT_Size objects of their own.
FONTS_EXPORT FT_Face OpenFace(const ResolvedFace& face);

// Metrics of a face in ems (fractions of the em size), as Windows reports them for TrueType
// faces: ascent and descent from the OS/2 table's Windows metrics, the line spacing adding the
// external leading.
struct FaceMetrics {
    double ascent = 0;
    double descent = 0;
    double lineSpacing = 0;
};

FONTS_EXPORT FaceMetrics MetricsOf(FT_Face face);

// The unhinted advance of a Windows-1252 character, in ems; a character the face has no glyph
// for advances as the face's missing-glyph box does, as it is drawn. The advances of a face
// from OpenFace are loaded once and kept with it.
FONTS_EXPORT double AdvanceOf(FT_Face face, unsigned char character);

} // namespace fonts
