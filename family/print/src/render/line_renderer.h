// Drawing one line of a print file token by token: text runs in their fonts and colours, with
// justification and underline; pictures standing on the baseline; lines; rectangles.
//
// Indices the file names (font, colour, picture, line) that lie outside its tables are skipped:
// a font or colour change to one keeps what is in force, a picture draws nothing but still takes
// its width. A token cut off by the end of the file is not drawn and ends the line.
#pragma once

#include "family/print/src/printfile/loaded_print_file.h"

#include "platform/win32/windows.h"

namespace pressel {

// Printers take pictures as device-independent bits (StretchDIBits); bitmap targets take them
// straight from a memory context (StretchBlt).
enum class PictureMode { kBitmap = 0, kPrinter = 1 };

// Where a line goes: its top y, the printing offset's x and the page's x origin, in twips.
struct LinePlace {
    int top = 0;
    int offsetX = 0;
    int pageX = 0;
};

// Draws line `lineIndex` on `dc`, which is set up for twips. Afterwards the context has its
// text colour, font and (no) justification as before.
void RenderLine(HDC dc, LoadedPrintFile& file, int lineIndex, LinePlace place, PictureMode mode);

} // namespace pressel
