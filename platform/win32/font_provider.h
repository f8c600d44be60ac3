// Where text gets its glyphs and metrics, process-wide.
//
// The system source takes faces from platform/fonts and glyphs from FreeType, rendered without
// anti-aliasing. Face names map by the one face table (platform/fonts/face_table.h), so that
// every machine with the same fonts measures the same. Without a face name, or for a name the
// table does not hold, the logical font's family chooses the kind: fixed pitch or FF_MODERN
// -> "Liberation Mono", FF_ROMAN -> "Liberation Serif", anything else -> "Liberation Sans".
// Weights of 600 and more choose the bold face, lfItalic the italic face; lfWidth, escapement
// and orientation are not applied.
//
// The fixed-metrics source makes text independent of installed fonts, for layout tests. For a
// character height of h pixels (lfHeight -h; a cell height H > 0 gives h = H - H / 5):
//   ascent h, descent h / 4, internal leading h / 4, external leading 0,
//   every character, the blank included, advances max(1, h / 2) pixels;
//   every character other than the blank is drawn as a solid box (advance - 1) pixels wide
//   standing on the baseline, 3h / 4 pixels high; underline: 1 pixel on the first row below
//   the characters;
//   strike-out: 1 pixel at baseline - h / 3.
#pragma once

#include "platform/win32/wingdi.h"

#include <string>

namespace win32 {

enum class FontSource { System, FixedMetrics };

WIN32_EXPORT void UseFontSource(FontSource source);

// The face the system source chooses for a logical font: its family and style as the face file
// names them, and the file.
struct FontFace {
    std::string family;
    std::string style;
    std::string file;
};

WIN32_EXPORT FontFace ResolveFontFace(const LOGFONTA& font);

} // namespace win32
