// Drawing one page of a print file: its header lines from the header top down, its body lines
// from the body top down, and its footer lines stacked so that the last one ends at the footer
// bottom. A page or line index outside the file's tables draws nothing.
#pragma once

#include "family/print/src/printfile/loaded_print_file.h"
#include "family/print/src/render/line_renderer.h"

#include "platform/win32/windows.h"

#include <functional>

namespace pressel {

// Asked before each line; true stops the page there.
using StopTest = std::function<bool()>;

// Draws page `page` (from 0) on `dc`, set up for twips, with the printer's unprintable margin
// `offset` subtracted from every position. False when the stop test ended the page early.
bool RenderPage(HDC dc, LoadedPrintFile& file, int page, POINT offset, PictureMode mode,
                const StopTest& stop = {});

} // namespace pressel
